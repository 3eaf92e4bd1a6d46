// lexitor-words quality: how fair the questions of level files or word lists
// are, measured against WordNet (see vocabulary/QualityReport.h).

#include "store/Recordset.h"
#include "store/WordRecord.h"
#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"
#include "wordlist/formats/WordListReader.h"
#include "wordlist/vocabulary/QualityReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace lexitor::wordlist {
namespace {

using namespace vocabulary;

constexpr auto kUsage = R"(Usage: lexitor-words quality [FILE...] [--dir DIR] [--wordnet DIR]

Measures how fair the questions of level databases (wordN.mdb) or word lists
(TSV or CSV with the header word ans c1 c2 c3 ref) are, against WordNet:
entries with a second right answer among the wrong options, entries with two
options saying the same, the share of answers that are the first sense of
the word's main part of speech, wrong options of another part of speech than
the answer, texts with dictionary markup, offensive entries, and the share
of entries with a reference. Without FILE, the level databases of DIR (the
current folder when not given).
)";

struct Args {
    QStringList files;
    QString dir = QStringLiteral(".");
    QString wordnet = QString::fromLatin1(kDefaultWordNetDir);
};

std::optional<Args> parse(const QStringList& args, bool& help) {
    Args parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--help" || arg == u"-h") {
            help = true;
        } else if ((arg == u"--dir" || arg == u"--wordnet") && i + 1 < args.size()) {
            (arg == u"--dir" ? parsed.dir : parsed.wordnet) = args[++i];
        } else if (arg.startsWith(u'-')) {
            printError(QStringLiteral("quality: unknown option or missing value: %1 (see "
                                      "lexitor-words quality --help)")
                           .arg(arg));
            return std::nullopt;
        } else {
            parsed.files.append(arg);
        }
    }
    return parsed;
}

std::vector<store::WordRecord> levelRecords(const QString& path, int level) {
    auto database = store::DBEngine::instance().OpenDatabase(path.toStdString());
    auto table =
        database->OpenRecordset(std::string(store::levelDatabase(level).table), store::dbOpenTable);
    std::vector<store::WordRecord> records;
    if (table->RecordCount() > 0)
        for (table->MoveFirst(); !table->Eof(); table->MoveNext())
            records.push_back(store::currentRecord(*table));
    table->Close();
    database->Close();
    return records;
}

// The records of a level database (its level told by its name) or a word list.
std::optional<std::vector<store::WordRecord>> recordsOf(const QString& path) {
    static const QRegularExpression levelName(QStringLiteral("word([0-2])\\.mdb$"));
    if (const auto match = levelName.match(path); match.hasMatch())
        return levelRecords(path, match.captured(1).toInt());
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("quality: cannot read %1").arg(path));
        return std::nullopt;
    }
    ReadList list = readWordList(file.readAll(), formatFromFileName(path).value_or(Format::Tsv));
    if (!list.issues.empty()) {
        printError(QStringLiteral("quality: %1 is not a word list: %2")
                       .arg(placeText(path, Place::Line, list.issues.front().line),
                            list.issues.front().reason));
        return std::nullopt;
    }
    std::vector<store::WordRecord> records;
    for (ListRow& row : list.rows)
        records.push_back(std::move(row.record));
    return records;
}

} // namespace

int runQuality(const QStringList& args) {
    bool help = false;
    std::optional<Args> parsed = parse(args, help);
    if (!parsed)
        return kExitUsage;
    if (help) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (parsed->files.isEmpty())
        for (int level = 0; level < store::kLevelCount; ++level)
            if (const QString path = levelFilePath(parsed->dir, level); QFileInfo::exists(path))
                parsed->files.append(path);
    if (parsed->files.isEmpty()) {
        printError(QStringLiteral("quality: no level database in %1").arg(parsed->dir));
        return kExitRefused;
    }
    try {
        const WordNet wn = loadWordNet(parsed->wordnet.toStdString());
        const MeaningKinds kinds(wn);
        int status = kExitOk;
        for (const QString& path : parsed->files) {
            const std::optional<std::vector<store::WordRecord>> records = recordsOf(path);
            if (!records) {
                status = kExitRefused;
                continue;
            }
            std::fputs(
                describeReport(measureQuality(wn, kinds, *records), path.toStdString()).c_str(),
                stdout);
        }
        return status;
    } catch (const VocabularyError& error) {
        printError(QStringLiteral("quality: %1").arg(QString::fromStdString(error.what())));
    } catch (const store::EngineError& error) {
        printError(QStringLiteral("quality: %1").arg(QString::fromStdString(error.what())));
    }
    return kExitRefused;
}

} // namespace lexitor::wordlist
