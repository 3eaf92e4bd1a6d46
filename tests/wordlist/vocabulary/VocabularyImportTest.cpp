// lexitor-words generate end to end: the lists it writes go through
// `lexitor-words import` unchanged, and bad runs fail with a clear message.
// A bare list of words imported with entries made from the fixture WordNet.

#include "wordlist/WordsRunner.h"
#include "wordlist/vocabulary/Vocabulary.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lexitor;
using namespace lexitor::testing;

namespace {

const QString kFixtures = QStringLiteral(VOCABULARY_FIXTURES);

QStringList fixtureArgs(const QString& out) {
    return {
        "generate",           "--out",       out, "--wordnet", kFixtures + "/wordnet", "--scowl",
        kFixtures + "/scowl", "--per-level", "6"};
}

// Empty level databases in `dir`, with Cow in level 0.
bool makeLevels(const QString& dir) {
    writeFile(QDir(dir).filePath("seed.tsv"),
              "word\tans\tc1\tc2\tc3\tref\nCow\ta farm animal\tx\ty\tz\t\\N\n");
    return createLevels(dir) && runWords({"import", "seed.tsv", "--level", "0"}, dir).exitCode == 0;
}

} // namespace

class VocabularyImportTest : public QObject {
    Q_OBJECT

private slots:
    void generatedListsImportUnchanged() {
        QTemporaryDir dir;
        const QString out = dir.filePath("lists");
        const auto run = runWords(fixtureArgs(out));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("level 0: 6 words"));
        QVERIFY(run.err.contains("0.0% of meanings over 80 characters"));

        const auto wn = wordlist::vocabulary::loadWordNet((kFixtures + "/wordnet").toStdString());
        const auto scowl = wordlist::vocabulary::loadScowl((kFixtures + "/scowl").toStdString());
        wordlist::vocabulary::GenerateOptions options;
        options.perLevel = 6;
        const auto expected = wordlist::vocabulary::generateVocabulary(wn, scowl, options);

        QVERIFY(createLevels(dir.path()));
        for (int level = 0; level < store::kLevelCount; ++level) {
            const QString list = QDir(out).filePath(QStringLiteral("level%1.tsv").arg(level));
            const auto imported =
                runWords({"import", list, "--level", QString::number(level), "--dir", dir.path()});
            QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
            QVERIFY(levelRows(levelFile(dir.path(), level), level) ==
                    expected.levels[std::size_t(level)]);
        }
    }

    void bareWordList() {
        QTemporaryDir dir;
        QVERIFY(makeLevels(dir.path()));
        const QByteArray list = "1. Horse, geese;  \u201cTABLE\u201d\n" // numbered, commas, quotes
                                "ran\n"
                                "xyzzy zorp horse\n"
                                "  COW.\n";
        writeFile(dir.filePath("list.txt"), list);
        const QStringList args = {"import",  "list.txt",          "--level",
                                  "2",       "--wordnet",         kFixtures + "/wordnet",
                                  "--scowl", kFixtures + "/scowl"};
        const QByteArray before = levelFileBytes(dir.path());

        auto run = runWords(args, dir.path());
        QCOMPARE(run.exitCode, 1);
        for (const char* problem :
             {"list.txt:3: \"xyzzy\" is not in WordNet",
              "list.txt:3: \"zorp\" is left out as offensive",
              "list.txt:3: the word \"horse\" is already on line 1",
              "list.txt:4: the word \"COW\" is already in level 0", "nothing was imported"})
            QVERIFY2(run.err.contains(problem), qPrintable(run.err));

        run = runWords(args + QStringList{"--format", "words", "--dry-run", "--skip-invalid"},
                       dir.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("1: Horse = a large hoofed animal used for riding\n    wrong: "));
        QVERIFY(run.out.contains("2: ran = move fast by using one's feet\n"));
        QCOMPARE(levelFileBytes(dir.path()), before);

        run = runWords(args + QStringList{"--skip-invalid"}, dir.path());
        QVERIFY2(run.exitCode == 0 && run.out.contains("4 words with problems"),
                 qPrintable(run.out));
        const auto rows = levelRows(dir.filePath("word2.mdb"), 2);
        QCOMPARE(wordsOf(rows), (std::vector<std::string>{"Horse", "geese", "TABLE", "ran"}));

        const QByteArray imported = levelFileBytes(dir.path());
        auto noWordNet = args;
        noWordNet[5] = dir.filePath("nowhere");
        run = runWords(noWordNet, dir.path());
        QVERIFY(run.exitCode == 1 && run.err.contains("WordNet is not installed (install it with "
                                                      "apt-get install wordnet-base"));
        QCOMPARE(levelFileBytes(dir.path()), imported);
    }

    void badRunsFail() {
        QTemporaryDir dir;
        auto args = fixtureArgs(dir.filePath("lists"));
        args[4] = dir.filePath("nowhere");
        auto run = runWords(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("missing WordNet file"));
        QVERIFY(!QFileInfo::exists(dir.filePath("lists/level0.tsv")));

        args = fixtureArgs(dir.filePath("lists"));
        args[6] = dir.filePath("nowhere");
        run = runWords(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("install the package scowl"));

        const QStringList fixture = fixtureArgs(dir.path());
        const QList<QStringList> usageErrors = {{"generate"}, // no --out
                                                fixture + QStringList{"--format", "csv"},
                                                fixture + QStringList{"--per-level", "x"},
                                                fixture + QStringList{"--colour"}};
        for (const QStringList& bad : usageErrors)
            QCOMPARE(runWords(bad).exitCode, 2);
        run = runWords({"generate", "--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("--per-level N"));
    }
};

QTEST_GUILESS_MAIN(VocabularyImportTest)
#include "VocabularyImportTest.moc"
