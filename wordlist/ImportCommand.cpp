// lexitor-words import FILE --level N [--dir DIR] [--format F] [--dry-run]
//                      [--skip-invalid] [--table NAME] [--from N] [--to N]
//                      [--wordnet DIR] [--scowl DIR]
//
// Everything is checked before anything is written, and the rows are then
// added in one transaction, so a refused or failed import leaves the level
// database as it was. With --skip-invalid the rows that pass are added and
// the others listed.

#include "store/FileKind.h"
#include "store/MessageText.h"
#include "store/Recordset.h"
#include "wordlist/AutoLevels.h"
#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"
#include "wordlist/ImportCommandPasses.h"
#include "wordlist/ImportSources.h"
#include "wordlist/WordsImport.h"

#include <QFile>

namespace lexitor::wordlist {

namespace {

constexpr std::size_t kIssuesShown = 50;

std::optional<ImportRequest> request(const Options& options) {
    const QString path = options.positional.front();
    const std::optional<Format> format = importFormat(path, options.format);
    const auto usage = [](const QString& text) {
        printError(QStringLiteral("import: ") + text +
                   QStringLiteral(" (see lexitor-words import --help)"));
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

// Says why the file to import cannot be read at all; a named pipe or a
// device is refused before anything opens it, as it would keep the import
// waiting.
bool refusedFile(const QString& path, bool missingToo) {
    const std::string native = QFile::encodeName(path).toStdString();
    std::optional<std::string> why = store::notARegularFile(native);
    if (!why && missingToo && store::fileKind(native) == store::FileKind::Missing)
        why = "cannot read the word list " + native;
    if (why)
        printError(QStringLiteral("import: %1 Nothing was imported.")
                       .arg(QString::fromStdString(store::sentence(*why))));
    return why.has_value();
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
    if (refusedFile(options->positional.front(), false))
        return kExitRefused;
    const std::optional<ImportRequest> source = request(*options);
    if (!source)
        return kExitUsage;
    if (refusedFile(source->path, true))
        return kExitRefused;

    const QString target =
        options->autoLevel ? QString() : levelFilePath(options->dir, options->level);
    const auto folderLock =
        options->dryRun ? nullptr : claimFolder(QStringLiteral("import"), options->dir);
    if (!options->dryRun && !folderLock)
        return kExitRefused;
    try {
        const std::unique_ptr<RowSource> rows = openImportSource(*source);
        // A bare list is told word by word, the others row by row.
        const bool words = source->format == Format::Words;
        IssueReport report(source->path, rows->place(),
                           options->skipInvalid ? SIZE_MAX : kIssuesShown, words);
        CheckedImport checked;
        std::vector<ListRow> passed; // --level auto places them once all are known
        {
            LevelFiles levels(options->dir, options->level);
            checked = checkImport(*rows, source->format, levels, report,
                                  [&](const ListRow& row) {
                                      if (words && options->dryRun)
                                          printEntries({row});
                                      if (options->autoLevel)
                                          passed.push_back(row);
                                  });
        }
        report.finish();
        if (report.problems() > 0 && (!options->skipInvalid || checked.rows == 0)) {
            printError(QStringLiteral("import refused; nothing was imported"));
            return kExitRefused;
        }
        // A bare list counts words, several to a line, and why each was left out.
        const QString rowsName = words ? QStringLiteral("words") : QStringLiteral("rows");
        const std::size_t skipped = report.placesWithProblems();
        const QString skippedText =
            words          ? wordsLeftOut(report.kept())
            : skipped == 0 ? QString()
                           : QStringLiteral(" %1 rows with problems (listed above) were left out.")
                                 .arg(skipped);
        if (options->autoLevel)
            return addByCommonness(passed, source->words,
                                   {options->dir, options->dryRun, rowsName, skippedText});
        if (options->dryRun) {
            printLine(QStringLiteral("Dry run: %1 %2 would be imported into %3 (level %4); "
                                     "nothing was written.")
                          .arg(checked.rows)
                          .arg(rowsName)
                          .arg(target)
                          .arg(options->level) +
                      skippedText);
            return kExitOk;
        }
        // A connection of its own, which keeps no index in step with the
        // rows it adds.
        const auto database = store::DBEngine::instance().OpenDatabase(target.toStdString());
        const auto table = database->OpenRecordset(
            std::string(store::levelDatabase(options->level).table), store::dbOpenTable);
        addCheckedRows(*rows, checked, *database, *table);
        printLine(QStringLiteral("Imported %1 %2 into %3 (level %4).")
                      .arg(checked.rows)
                      .arg(rowsName)
                      .arg(target)
                      .arg(options->level) +
                  skippedText);
    } catch (const std::runtime_error& error) {
        // An engine failure, or a file that changed while it was read.
        printError(QStringLiteral("import: %1 Nothing was imported.")
                       .arg(QString::fromStdString(store::sentence(error.what()))));
        return kExitRefused;
    }
    return kExitOk;
}

} // namespace lexitor::wordlist
