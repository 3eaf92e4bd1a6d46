// lexitor-words import FILE --level N [--dir DIR] [--format F] [--dry-run]
//                      [--skip-invalid] [--table NAME] [--from N] [--to N]
//                      [--wordnet DIR] [--scowl DIR]
//
// Everything is checked before anything is written, and the rows are then
// added in one transaction, so a refused or failed import leaves the level
// database as it was. With --skip-invalid the rows that pass are added and
// the others listed.

#include "store/FileKind.h"
#include "store/WordRecord.h"
#include "wordlist/AutoLevels.h"
#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"
#include "wordlist/ImportSources.h"
#include "wordlist/LevelFiles.h"
#include "wordlist/LevelWriter.h"
#include "wordlist/Progress.h"
#include "wordlist/WordsImport.h"
#include "wordlist/formats/RowChecks.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace lexitor::wordlist {

namespace {

constexpr std::size_t kIssuesShown = 50;

// Adds the words found in any level to `issues`.
void findDuplicates(LevelFiles& levels, const std::vector<ListRow>& rows,
                    std::vector<ListIssue>& issues) {
    Progress progress(QStringLiteral("Checking"), qsizetype(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string word = searchWord(*rows[i].record.word);
        if (const std::optional<int> level = levels.levelHolding(word))
            issues.push_back({rows[i].line,
                              QStringLiteral("the word \"%1\" is already in level %2")
                                  .arg(QString::fromStdString(word), QString::number(*level)),
                              rows[i].item});
        progress.update(qsizetype(i + 1));
    }
}

// Lists the problems on stderr, in file order; returns how many rows (of a
// bare list: words) they name.
int reportIssues(const QString& listPath, Place place, std::vector<ListIssue> issues,
                 std::size_t shown) {
    std::stable_sort(issues.begin(), issues.end(), [](const ListIssue& a, const ListIssue& b) {
        return std::pair(a.line, a.item) < std::pair(b.line, b.item);
    });
    QSet<std::pair<int, int>> rows;
    for (std::size_t i = 0; i < issues.size(); ++i) {
        if (issues[i].line != kWholeFile)
            rows.insert({issues[i].line, issues[i].item});
        if (i < shown)
            printError(placeText(listPath, place, issues[i].line) + issues[i].reason);
    }
    if (issues.size() > shown)
        printError(QStringLiteral("... and %1 more problems").arg(issues.size() - shown));
    return int(rows.size());
}

std::optional<ImportRequest> request(const Options& options) {
    const QString path = options.positional.front();
    const std::optional<Format> format = importFormat(path, options.format);
    const auto usage = [](const QString& text) {
        printError(QStringLiteral("import: ") + text +
                   QStringLiteral(" (see lexitor-words --help)"));
        return std::nullopt;
    };
    if (!format)
        return usage(QStringLiteral("cannot tell the format of %1 from its name; add --format "
                                    "tsv, csv, pairs, kvtml, jet or words")
                         .arg(path));
    if (!options.table.isEmpty() && format != Format::Jet)
        return usage(QStringLiteral("--table is for Jet files"));
    if ((options.from || options.to) && format != Format::Kvtml)
        return usage(QStringLiteral("--from and --to are for KVTML files"));
    ImportRequest request{path,
                          *format,
                          options.table,
                          {options.from.value_or(0), options.to},
                          {options.wordnet, options.scowl, options.level}};
    return request;
}

std::vector<store::WordRecord> records(const std::vector<ListRow>& rows) {
    std::vector<store::WordRecord> all;
    all.reserve(rows.size());
    for (const ListRow& row : rows)
        all.push_back(row.record);
    return all;
}

} // namespace

int runImport(const QStringList& args) {
    int status = kExitOk;
    const std::optional<Options> options = parseOptions(
        QStringLiteral("import"), args,
        kLevelOption | kDirOption | kFormatOption | kDryRunOption | kImportOptions | kSourceOptions,
        {1, 1, "name exactly one word list file"}, status);
    if (!options)
        return status;
    // A pipe or a device is never opened, not even to tell its format.
    if (const auto refusal = store::notARegularFile(
            QFile::encodeName(options->positional.front()).toStdString())) {
        printError(QStringLiteral("import: ") + QString::fromStdString(*refusal));
        return kExitRefused;
    }
    const std::optional<ImportRequest> source = request(*options);
    if (!source)
        return kExitUsage;
    if (!QFileInfo(source->path).isFile()) {
        printError(QStringLiteral("import: cannot read the word list %1").arg(source->path));
        return kExitRefused;
    }

    const QString target =
        options->autoLevel ? QString() : levelFilePath(options->dir, options->level);
    const auto folderLock =
        options->dryRun ? nullptr : claimFolder(QStringLiteral("import"), options->dir);
    if (!options->dryRun && !folderLock)
        return kExitRefused;
    try {
        ReadList list = readImportFile(*source);
        for (const ListIssue& note : list.notes)
            printError(placeText(source->path, list.place, note.line) + note.reason);
        LevelFiles levels(options->dir, options->level);
        std::vector<ListRow> accepted = rowsWithoutIssues(list.rows, list.issues);
        findDuplicates(levels, accepted, list.issues);
        accepted = rowsWithoutIssues(accepted, list.issues);
        int skipped = 0;
        if (!list.issues.empty()) {
            skipped = reportIssues(source->path, list.place, list.issues,
                                   options->skipInvalid ? list.issues.size() : kIssuesShown);
            if (!options->skipInvalid || accepted.empty()) {
                printError(QStringLiteral("import refused; nothing was imported"));
                return kExitRefused;
            }
        }
        // A bare list counts words, several to a line, and why each was left out.
        const bool words = source->format == Format::Words;
        const QString rowsName = words ? QStringLiteral("words") : QStringLiteral("rows");
        const QString skippedText =
            words          ? wordsLeftOut(list.issues)
            : skipped == 0 ? QString()
                           : QStringLiteral(" %1 rows with problems (listed above) were left out.")
                                 .arg(skipped);
        if (options->autoLevel) {
            if (words && options->dryRun)
                printEntries(accepted);
            return addByCommonness(levels, accepted, source->words,
                                   {options->dir, options->dryRun, rowsName, skippedText});
        }
        if (options->dryRun) {
            if (words)
                printEntries(accepted);
            printLine(QStringLiteral("Dry run: %1 %2 would be imported into %3 (level %4); "
                                     "nothing was written.")
                          .arg(accepted.size())
                          .arg(rowsName)
                          .arg(target)
                          .arg(options->level) +
                      skippedText);
            return kExitOk;
        }
        addRecords(levels.database(options->level), levels.tableForAdding(options->level),
                   records(accepted), QStringLiteral("Importing"));
        printLine(QStringLiteral("Imported %1 %2 into %3 (level %4).")
                      .arg(accepted.size())
                      .arg(rowsName)
                      .arg(target)
                      .arg(options->level) +
                  skippedText);
    } catch (const store::EngineError& error) {
        printError(QStringLiteral("import: %1; nothing was imported")
                       .arg(QString::fromStdString(error.what())));
        return kExitRefused;
    }
    return kExitOk;
}

} // namespace lexitor::wordlist
