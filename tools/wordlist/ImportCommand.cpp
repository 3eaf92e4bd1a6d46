// lexitor-words import LIST --level N [--dir DIR] [--format tsv|csv] [--dry-run]
//
// Everything is checked before anything is written, and the rows are then
// added in one transaction, so a refused or failed import leaves the level
// database as it was.

#include "store/WordRecord.h"
#include "tools/Commands.h"
#include "tools/wordlist/CommandLine.h"
#include "tools/wordlist/LevelFiles.h"
#include "tools/wordlist/Progress.h"
#include "tools/wordlist/WordListReader.h"

#include <QFile>
#include <QFileInfo>

namespace lexitor::tools {

using namespace wordlist;

namespace {

constexpr std::size_t kIssuesShown = 50;

// Adds the words found in any level to `issues`.
void findDuplicates(LevelFiles& levels, const std::vector<ListRow>& rows,
                    std::vector<ListIssue>& issues) {
    Progress progress(QStringLiteral("Checking"), qsizetype(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string word = searchWord(*rows[i].record.word);
        if (const std::optional<int> level = levels.levelHolding(word))
            issues.push_back({rows[i].line, QStringLiteral("the word \"%1\" is already in level %2")
                                                .arg(QString::fromStdString(word))
                                                .arg(*level)});
        progress.update(qsizetype(i + 1));
    }
}

void addRows(store::Database& database, store::Recordset& table, const std::vector<ListRow>& rows) {
    Progress progress(QStringLiteral("Importing"), qsizetype(rows.size()));
    database.BeginTrans();
    try {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const store::WordRecord& r = rows[i].record;
            table.AddNew();
            table.SetField("word", r.word);
            table.SetField("ans", r.ans);
            table.SetField("c1", r.c1);
            table.SetField("c2", r.c2);
            table.SetField("c3", r.c3);
            table.SetField("ref", r.ref);
            table.Update();
            progress.update(qsizetype(i + 1));
        }
        database.CommitTrans();
    } catch (...) {
        try {
            database.Rollback();
        } catch (const store::EngineError&) {
            // The first failure is the one to report.
        }
        throw;
    }
}

void reportIssues(const QString& listPath, std::vector<ListIssue> issues) {
    std::stable_sort(issues.begin(), issues.end(),
                     [](const ListIssue& a, const ListIssue& b) { return a.line < b.line; });
    for (std::size_t i = 0; i < issues.size() && i < kIssuesShown; ++i)
        printError(
            QStringLiteral("%1:%2: %3").arg(listPath).arg(issues[i].line).arg(issues[i].reason));
    if (issues.size() > kIssuesShown)
        printError(QStringLiteral("... and %1 more problems").arg(issues.size() - kIssuesShown));
    printError(QStringLiteral("import refused; nothing was imported"));
}

} // namespace

int runImport(const QStringList& args) {
    const std::optional<Options> options = parseOptions(
        QStringLiteral("import"), args, kLevelOption | kDirOption | kFormatOption | kDryRunOption);
    if (!options)
        return kExitUsage;
    if (options->help) {
        printHelp();
        return kExitOk;
    }
    if (options->positional.size() != 1) {
        printError(QStringLiteral("import: name exactly one word list file "
                                  "(see lexitor-words --help)"));
        return kExitUsage;
    }
    const QString listPath = options->positional.front();
    const std::optional<Format> format =
        options->format ? options->format : formatFromFileName(listPath);
    if (!format) {
        printError(QStringLiteral("import: cannot tell the format of %1 from its name; "
                                  "add --format tsv or --format csv")
                       .arg(listPath));
        return kExitUsage;
    }
    QFile file(listPath);
    if (!QFileInfo(listPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("import: cannot read the word list %1").arg(listPath));
        return kExitRefused;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    const QString target = levelFilePath(options->dir, options->level);
    const auto folderLock =
        options->dryRun ? nullptr : claimFolder(QStringLiteral("import"), options->dir);
    if (!options->dryRun && !folderLock)
        return kExitRefused;
    try {
        ReadList list = readWordList(bytes, *format);
        LevelFiles levels(options->dir, options->level);
        findDuplicates(levels, list.rows, list.issues);
        if (!list.issues.empty()) {
            reportIssues(listPath, std::move(list.issues));
            return kExitRefused;
        }
        if (options->dryRun) {
            printLine(QStringLiteral("Dry run: %1 rows would be imported into %2 (level %3); "
                                     "nothing was written.")
                          .arg(list.rows.size())
                          .arg(target)
                          .arg(options->level));
            return kExitOk;
        }
        addRows(levels.database(options->level), levels.tableForAdding(options->level), list.rows);
        printLine(QStringLiteral("Imported %1 rows into %2 (level %3).")
                      .arg(list.rows.size())
                      .arg(target)
                      .arg(options->level));
    } catch (const store::EngineError& error) {
        printError(QStringLiteral("import: %1; nothing was imported")
                       .arg(QString::fromStdString(error.what())));
        return kExitRefused;
    }
    return kExitOk;
}

} // namespace lexitor::tools
