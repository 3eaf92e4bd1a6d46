// lexitor-words export --level N [--dir DIR] [--format tsv|csv|kvtml] [OUT]

#include "store/LevelWords.h"
#include "store/MessageText.h"
#include "store/Recordset.h"
#include "store/WordRecord.h"
#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"
#include "wordlist/LevelFiles.h"
#include "wordlist/formats/CsvCodec.h"
#include "wordlist/formats/KvtmlWriter.h"
#include "wordlist/formats/TsvCodec.h"

#include <QSaveFile>

#include <cstdio>

namespace lexitor::wordlist {

namespace {

// The header and then every row of the level's table in table order.
std::vector<Fields> readLevel(const QString& path, int level) {
    const store::LevelDatabase& names = store::levelDatabase(level);
    std::unique_ptr<store::Database> database =
        store::DBEngine::instance().OpenDatabase(path.toStdString());
    std::unique_ptr<store::Recordset> table =
        database->OpenRecordset(std::string(names.table), store::dbOpenTable);

    std::vector<Fields> rows;
    rows.reserve(std::size_t(table->RecordCount()) + 1);
    Fields& header = rows.emplace_back();
    for (const store::WordField& field : store::kWordFields)
        header.push_back(std::string(field.name));
    if (table->RecordCount() > 0) {
        for (table->MoveFirst(); !table->Eof(); table->MoveNext()) {
            const store::WordRecord record = store::currentRecord(*table);
            Fields& fields = rows.emplace_back();
            for (const store::WordField& field : store::kWordFields)
                fields.push_back(record.*field.member);
        }
    }
    table->Close();
    database->Close();
    return rows;
}

bool writeOut(const QString& outPath, const QByteArray& bytes) {
    if (outPath.isEmpty()) {
        return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) ==
                   std::size_t(bytes.size()) &&
               std::fflush(stdout) == 0;
    }
    // Written aside and renamed into place: a failed export leaves no
    // half-written file.
    QSaveFile file(outPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int runExport(const QStringList& args) {
    int status = kExitOk;
    const std::optional<Options> options =
        parseOptions(QStringLiteral("export"), args, kLevelOption | kDirOption | kFormatOption,
                     {0, 1, "name at most one output file"}, status);
    if (!options)
        return status;
    const QString outPath = options->positional.value(0);
    const Format format =
        options->format.value_or(formatFromFileName(outPath).value_or(Format::Tsv));
    if (format != Format::Tsv && format != Format::Csv && format != Format::Kvtml) {
        printError(QStringLiteral("export: writes tsv, csv or kvtml, not %1 "
                                  "(see lexitor-words --help)")
                       .arg(formatName(format)));
        return kExitUsage;
    }
    const QString source = levelFilePath(options->dir, options->level);

    std::vector<Fields> rows;
    try {
        rows = readLevel(source, options->level);
    } catch (const store::EngineError& error) {
        printError(QStringLiteral("export: ") + QString::fromStdString(error.what()));
        return kExitRefused;
    }

    QByteArray bytes;
    std::optional<WriteProblem> problem;
    if (format == Format::Csv) {
        writeCsv(rows, bytes);
    } else if (format == Format::Kvtml) {
        problem = writeKvtml({rows.begin() + 1, rows.end()}, options->level, bytes);
        if (problem)
            ++problem->row; // counted after the header, as for TSV
    } else {
        problem = writeTsv(rows, bytes);
    }
    if (problem) {
        const QString word = QString::fromStdString(
            store::excerpt(store::searchWord(rows[problem->row][0].value_or(std::string()))));
        printError(QStringLiteral("export: row %1 (word \"%2\"): %3 %4; %5 cannot hold it, "
                                  "use --format csv. Nothing was written.")
                       .arg(problem->row)
                       .arg(word)
                       .arg(QString::fromLatin1(store::kWordFields[problem->field].name.data()))
                       .arg(problem->reason, formatName(format)));
        return kExitRefused;
    }
    if (!writeOut(outPath, bytes)) {
        printError(QStringLiteral("export: cannot write %1")
                       .arg(outPath.isEmpty() ? QStringLiteral("standard output") : outPath));
        return kExitRefused;
    }
    if (!outPath.isEmpty())
        printLine(QStringLiteral("Exported %1 rows of %2 to %3.")
                      .arg(rows.size() - 1)
                      .arg(source, outPath));
    return kExitOk;
}

} // namespace lexitor::wordlist
