// lexitor-words generate: builds the default vocabulary from WordNet and
// SCOWL and writes it as three TSV word lists for `lexitor-words import`.

#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"
#include "wordlist/vocabulary/LevelTsv.h"
#include "wordlist/vocabulary/Quality.h"
#include "wordlist/vocabulary/Vocabulary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

namespace lexitor::wordlist {
namespace {

using namespace vocabulary;

constexpr auto kUsage = R"(Usage: lexitor-words generate --out DIR [OPTIONS]

Builds Lexitor's default vocabulary from the WordNet 3.0 and SCOWL word lists
that the Debian packages wordnet-base, wordnet-sense-index and scowl install,
and writes DIR/level0.tsv, DIR/level1.tsv and DIR/level2.tsv for
`lexitor-words import`. The same inputs always give the same lists.

Options:
  --out DIR          the folder for the three lists (created if needed)
  --wordnet DIR      WordNet's database files; default: /usr/share/wordnet
  --scowl DIR        SCOWL's word lists; default: /usr/share/dict/scowl
  --per-level N      words per level; default: 2000
  --format tsv       the only format written
  --help             shows this text

Quality figures and timings go to stderr.
)";

struct GenerateArgs {
    QString out;
    QString wordnet = QString::fromLatin1(kDefaultWordNetDir);
    QString scowl = QString::fromLatin1(kDefaultScowlDir);
    std::size_t perLevel = kDefaultPerLevel;
    bool help = false;
};

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

void fail(const QString& message) {
    err() << "lexitor-words generate: " << message << Qt::endl;
}

std::optional<GenerateArgs> parse(const QStringList& args) {
    GenerateArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& name = args[i];
        if (name == u"--help" || name == u"-h") {
            parsed.help = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            fail(QStringLiteral("unknown option or missing value: %1").arg(name));
            return std::nullopt;
        }
        const QString value = args[++i];
        if (name == u"--out") {
            parsed.out = value;
        } else if (name == u"--wordnet") {
            parsed.wordnet = value;
        } else if (name == u"--scowl") {
            parsed.scowl = value;
        } else if (name == u"--per-level") {
            bool ok = false;
            const qulonglong n = value.toULongLong(&ok);
            if (!ok || n < 2 || n > 100000) {
                fail(QStringLiteral("--per-level needs a whole number from 2 to 100000"));
                return std::nullopt;
            }
            parsed.perLevel = std::size_t(n);
        } else if (name == u"--format") {
            if (value != u"tsv") {
                fail(QStringLiteral("the only format generate writes is tsv"));
                return std::nullopt;
            }
        } else {
            fail(QStringLiteral("unknown option %1").arg(name));
            return std::nullopt;
        }
    }
    if (!parsed.help && parsed.out.isEmpty()) {
        fail(QStringLiteral("--out DIR is required (see lexitor-words generate --help)"));
        return std::nullopt;
    }
    return parsed;
}

} // namespace

int runGenerate(const QStringList& args) {
    const std::optional<GenerateArgs> parsed = parse(args);
    if (!parsed)
        return kExitUsage;
    if (parsed->help) {
        QTextStream(stdout) << kUsage;
        return kExitOk;
    }
    QElapsedTimer timer;
    timer.start();
    WordNet wn;
    ScowlWords scowl;
    try {
        wn = loadWordNet(parsed->wordnet.toStdString());
        scowl = loadScowl(parsed->scowl.toStdString());
    } catch (const VocabularyError& error) {
        fail(QString::fromStdString(error.what()));
        return kExitRefused;
    }
    const qint64 loadMs = timer.restart();
    const Vocabulary vocabulary = generateVocabulary(wn, scowl, {parsed->perLevel, kDefaultSeed});
    const qint64 generateMs = timer.restart();

    if (!QDir().mkpath(parsed->out)) {
        fail(QStringLiteral("cannot create the folder %1").arg(parsed->out));
        return kExitRefused;
    }
    int status = kExitOk;
    for (std::size_t level = 0; level < store::kLevelCount; ++level) {
        const auto& records = vocabulary.levels[level];
        err() << describeQuality(measureLevel(records), int(level)).c_str() << " (of "
              << vocabulary.candidates[level] << " clean candidates)" << Qt::endl;
        if (records.size() < parsed->perLevel)
            err() << "warning: level " << level << " has only " << records.size()
                  << " words, fewer than the " << parsed->perLevel << " asked for" << Qt::endl;
        if (records.size() < 2) {
            fail(QStringLiteral("level %1 has fewer than the 2 words a quiz needs").arg(level));
            status = kExitRefused;
        }
    }
    // A level too small for the quiz stops the run before any list is written.
    for (std::size_t level = 0; level < store::kLevelCount && status == kExitOk; ++level) {
        const QString path = QDir(parsed->out).filePath(QStringLiteral("level%1.tsv").arg(level));
        if (const auto error = writeLevelTsv(path, vocabulary.levels[level])) {
            fail(*error);
            status = kExitRefused;
        }
    }
    err() << "left out:";
    for (const auto& [reason, count] : vocabulary.dropped)
        err() << "\n  " << count << " " << reason.c_str();
    err() << "\ntimes: reading " << loadMs << " ms, choosing " << generateMs << " ms, writing "
          << timer.elapsed() << " ms" << Qt::endl;
    return status;
}

} // namespace lexitor::wordlist
