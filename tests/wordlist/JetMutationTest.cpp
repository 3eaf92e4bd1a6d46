// Jet files damaged at random from the shared fixtures (bits flipped, the
// file cut, pages zeroed, swapped or copied over others) go through the
// reader that import and convert use, with a short deadline: each must end
// in rows or a message that names the file, never in a crash, a hang or a
// value that is not text; those that give rows are also brought across.
// LEXITOR_JET_MUTANTS and LEXITOR_JET_SEED choose how many and which;
// tools/jet-mutations.sh runs a long series.

#include "WordsRunner.h"
#include "wordlist/JetFolderConversion.h"
#include "support/SharedFixtures.h"
#include "wordlist/formats/Utf8Check.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace lexitor;
using namespace lexitor::testing;
using namespace lexitor::wordlist;
using namespace std::chrono_literals;

namespace {

struct Source {
    const char* name;
    qsizetype page;
};
constexpr Source kSources[] = {{"word0.mdb", 4096},
                               {"word1-memo.mdb", 4096},
                               {"word1-extra.mdb", 4096},
                               {"jet3-other-tables.mdb", 2048}};
const char* const kKinds[] = {"bits flipped", "cut", "page zeroed", "pages swapped",
                              "page copied"};

int setting(const char* name, int otherwise) {
    const QByteArray text = qgetenv(name);
    return text.isEmpty() ? otherwise : text.toInt();
}

// `bytes` damaged in the way `kind` names, at places `random` draws.
void mutate(QByteArray& bytes, qsizetype page, int kind, std::mt19937_64& random) {
    const auto below = [&random](qsizetype n) {
        return qsizetype(std::uniform_int_distribution<qint64>(0, n - 1)(random));
    };
    const qsizetype pages = bytes.size() / page;
    const qsizetype a = 1 + below(pages - 1), b = 1 + below(pages - 1);
    switch (kind) {
    case 0:
        for (qsizetype flips = 1 + below(16); flips > 0; --flips)
            bytes[below(bytes.size())] ^= char(1 << below(8));
        break;
    case 1:
        bytes.truncate(below(2) ? a * page : below(bytes.size()));
        break;
    case 2:
        bytes.replace(a * page, page, QByteArray(page, 0));
        break;
    case 3: {
        const QByteArray first = bytes.mid(a * page, page);
        bytes.replace(a * page, page, bytes.mid(b * page, page));
        bytes.replace(b * page, page, first);
        break;
    }
    default:
        bytes.replace(a * page, page, bytes.mid(b * page, page));
    }
}

// Text as Lexitor keeps it: UTF-8 without control characters but the tab
// and line breaks.
bool isText(const store::FieldValue& value) {
    if (!value)
        return true;
    const QByteArrayView bytes(value->data(), qsizetype(value->size()));
    return !firstInvalidUtf8(bytes) &&
           !QString::fromUtf8(bytes).contains(QRegularExpression(QStringLiteral("[^\\t\\n\\r\\P{Cc}]")));
}

} // namespace

class JetMutationTest : public QObject {
    Q_OBJECT

private slots:
    void damagedFilesEndInRowsOrAMessage() {
        const int count = setting("LEXITOR_JET_MUTANTS", 150);
        const int seed = setting("LEXITOR_JET_SEED", 20261207);
        std::mt19937_64 random(seed);
        std::map<QString, int> outcomes;
        for (int i = 0; i < count; ++i) {
            const Source& source = kSources[i % std::size(kSources)];
            const int kind = int(random() % std::size(kKinds));
            QByteArray bytes = fileBytes(sharedFixture(QStringLiteral("jet/") + source.name));
            QVERIFY2(!bytes.isEmpty(), "the shared Jet fixtures are not there");
            mutate(bytes, source.page, kind, random);
            const QString mutant = QStringLiteral("seed %1, mutant %2: %3, %4")
                                       .arg(seed)
                                       .arg(i)
                                       .arg(source.name, kKinds[kind]);
            QTemporaryDir dir;
            const QString path = levelFile(dir.path(), 1);
            writeFile(path, bytes);
            QElapsedTimer elapsed;
            elapsed.start();
            try {
                const JetWords words = readJetWords(path, {}, {2s, std::size_t(256) << 20});
                for (const store::WordRecord& row : words.rows) {
                    for (const store::WordField& field : store::kWordFields)
                        QVERIFY2(isText(row.*field.member), qPrintable(mutant));
                }
                ++outcomes[words.damaged.empty() ? "rows" : "rows, some damaged"];
                // Brought across, the rows come whole or the file stays.
                const FolderConversion conversion = convertJetFolder(dir.path());
                QVERIFY2(conversion.converted.size() + conversion.refused.size() == 1,
                         qPrintable(mutant));
                if (!conversion.converted.empty())
                    QCOMPARE(conversion.converted.front().rows, words.rows.size());
                else
                    QCOMPARE(fileBytes(path), bytes);
            } catch (const JetError& error) {
                const QString message = QString::fromUtf8(error.what());
                QVERIFY2(message.startsWith(u"'word1.mdb'") || message.contains(u" 'word1.mdb'"),
                         qPrintable(mutant + ": " + message));
                ++outcomes[message.contains(u"within 2 seconds") ? "stopped at the deadline"
                                                                 : "refused"];
            }
            // Only against a reader that is never stopped.
            QVERIFY2(elapsed.elapsed() < 60'000, qPrintable(mutant));
            if ((i + 1) % 1000 == 0)
                qInfo("%d damaged files read", i + 1);
        }
        for (const auto& [outcome, n] : outcomes)
            qInfo("%s: %d", qPrintable(outcome), n);
    }
};

QTEST_GUILESS_MAIN(JetMutationTest)
#include "JetMutationTest.moc"
