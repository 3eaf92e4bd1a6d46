// lexitor-words generate end to end: the lists it writes go through
// `lexitor-words import` unchanged, and bad runs fail with a clear message.
// A bare list of words imported with entries made from the fixture WordNet.

#include "wordlist/WordsRunner.h"
#include "wordlist/vocabulary/Vocabulary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

using namespace lexitor;
using namespace lexitor::testing;
using lexitor::store::WordRecord;

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

    // One row and one problem per word, whatever else stands on its line;
    // the summary counts words and why they were left out.
    void bareWordList() {
        QTemporaryDir dir;
        QVERIFY(makeLevels(dir.path()));
        const QByteArray list = "1. Dog, geese;  \u201cTABLE\u201d\n" // numbered, commas, quotes
                                "ran\n"
                                "xyzzy bird zorp Although\n"
                                "horse,cow\n" // a comma without a blank parts two words
                                "  cat.\n"
                                "frob\n";
        writeFile(dir.filePath("list.txt"), list);
        const QStringList args = {"import",  "list.txt",          "--level",
                                  "2",       "--wordnet",         kFixtures + "/wordnet",
                                  "--scowl", kFixtures + "/scowl"};
        const QByteArray before = levelFileBytes(dir.path());

        auto run = runWords(args, dir.path());
        QCOMPARE(run.exitCode, 1);
        for (const char* problem :
             {"list.txt:3: \"xyzzy\" is not in WordNet",
              "list.txt:3: \"zorp\" is left out as "
              "offensive",
              "list.txt:3: \"Although\" is a conjunction, which WordNet does not hold",
              "list.txt:4: the word \"cow\" is already in level 0",
              "list.txt:1: geese \u2192 goose", "list.txt:2: ran \u2192 run",
              "list.txt:6: \"frob\" has an offensive sense; it is taught as \"adjust a made-up "
              "control by hand\"",
              "nothing was imported"})
            QVERIFY2(run.err.contains(QString::fromUtf8(problem)), qPrintable(run.err));

        run = runWords(args + QStringList{"--format", "words", "--dry-run", "--skip-invalid"},
                       dir.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("4: horse = a large hoofed animal used for riding\n    wrong: "));
        QVERIFY(run.out.contains("2: run = move fast by using one's feet\n"));
        QCOMPARE(levelFileBytes(dir.path()), before);

        run = runWords(args + QStringList{"--skip-invalid"}, dir.path());
        QVERIFY2(run.exitCode == 0 &&
                     run.out.contains("Imported 8 words into ./word2.mdb (level 2). 4 words were "
                                      "left out (listed above): 1 already in a level, 1 not in "
                                      "WordNet, 1 of a word class WordNet does not hold, 1 "
                                      "offensive."),
                 qPrintable(run.describe()));
        const auto rows = levelRows(dir.filePath("word2.mdb"), 2);
        QCOMPARE(wordsOf(rows), (std::vector<std::string>{"Dog", "goose", "TABLE", "run", "bird",
                                                          "horse", "cat", "frob"}));

        // A list far longer than any syllabus is refused before a look-up.
        const QByteArray imported = levelFileBytes(dir.path());
        writeFile(dir.filePath("long.txt"), QByteArray("word\n").repeated(10001));
        run = runWords({"import", "long.txt", "--level", "1", "--format", "words"}, dir.path());
        QVERIFY2(run.exitCode == 1 && run.err.contains("may hold at most 10000 words"),
                 qPrintable(run.describe()));
        auto noWordNet = args;
        noWordNet[5] = dir.filePath("nowhere");
        run = runWords(noWordNet, dir.path());
        QVERIFY(run.exitCode == 1 && run.err.contains("WordNet is not installed (install it with "
                                                      "apt-get install wordnet-base"));
        QCOMPARE(levelFileBytes(dir.path()), imported);
    }

    // Two-column lists get wrong options of the answer's kind, never a
    // synonym's meaning; --level auto spreads a list over the levels by
    // how common its words are, so that it can be quizzed alone.
    void pairsAndLevelsByCommonness() {
        QTemporaryDir dir;
        QVERIFY(createLevels(dir.path()));
        const QStringList fixtures = {"--wordnet", kFixtures + "/wordnet", "--scowl",
                                      kFixtures + "/scowl"};
        // hound shares dog's sense; zib is unknown, a verb by its meaning.
        writeFile(dir.filePath("pairs.csv"),
                  "dog,a domesticated animal\nhound,a dog used in hunting\ncat,a small feline "
                  "pet\nhorse,an animal for riding\nbird,a flying animal\nrun,to move fast on "
                  "foot\neat,to take in food\ndrink,to take in liquids\nwalk,to go on foot\nzib,to "
                  "move quickly\n");
        auto run = runWords(
            QStringList{"import", "pairs.csv", "--format", "pairs", "--level", "0"} + fixtures,
            dir.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.describe()));
        std::map<std::string, std::string> answers;
        const auto rows = levelRows(levelFile(dir.path(), 0), 0);
        for (const WordRecord& row : rows)
            answers[*row.word] = *row.ans;
        const auto kind = [](const std::string& meaning) { return meaning.starts_with("to "); };
        for (const WordRecord& row : rows) {
            for (const auto* wrong : {&row.c1, &row.c2, &row.c3}) {
                QVERIFY2(kind(**wrong) == kind(*row.ans), row.word->c_str());
                QVERIFY(!(*row.word == "dog" && **wrong == answers["hound"]));
                QVERIFY(!(*row.word == "hound" && **wrong == answers["dog"]));
            }
        }
        // Two meanings saying the same are never offered together, even where
        // that leaves a place blank.
        QTemporaryDir alike;
        QVERIFY(createLevels(alike.path(), {1}));
        writeFile(alike.filePath("alike.csv"),
                  "eat,to take in food\nrun,to move fast on foot\nzib,"
                  "to move fast on foot quickly\nwalk,to go on foot\n");
        run = runWords(QStringList{"import", "alike.csv", "--format", "pairs", "--level", "1"} +
                           fixtures,
                       alike.path());
        const WordRecord eat = levelRows(levelFile(alike.path(), 1), 1).front();
        QVERIFY2(std::set<std::string>({*eat.c1, *eat.c2, *eat.c3}).contains(" "),
                 qPrintable(run.describe()));

        // dog and cat are common, happy less so, anode rare; chien is as
        // common as its meaning.
        writeFile(
            dir.filePath("auto.tsv"),
            "word\tans\tc1\tc2\tc3\tref\n"
            "chien\tdog\tx\ty\tz\t\\N\nhappy\tglad\tx\ty\tz\t\\N\nanode\tan "
            "electrode\tx\ty\tz\t\\N\nsad\tunhappy\tx\ty\tz\t\\N\nbeaker\ta jar\tx\ty\tz\t\\N\n");
        run = runWords(QStringList{"import", "auto.tsv", "--level", "auto"} + fixtures, dir.path());
        QVERIFY2(run.exitCode == 0 && run.out.contains("Imported 5 rows by how common each word "
                                                       "is: 1 into ./word0.mdb (level 0), 2 "
                                                       "into ./word1.mdb (level 1), 2 into "
                                                       "./word2.mdb (level 2)."),
                 qPrintable(run.describe()));
        QCOMPARE(wordsOf(levelRows(levelFile(dir.path(), 2), 2)),
                 (std::vector<std::string>{"anode", "beaker"}));

        // A list of rare words alone still fills every level for the quiz.
        QTemporaryDir empty;
        QVERIFY(createLevels(empty.path()));
        writeFile(empty.filePath("rare.tsv"), "word\tans\tc1\tc2\tc3\tref\n"
                                              "anode\taa\tx\ty\tz\t\\N\ncathode\tbb\tx\ty\tz\t\\N\n"
                                              "beaker\tcc\tx\ty\tz\t\\N\nflask\tdd\tx\ty\tz\t\\N\n"
                                              "abet\tee\tx\ty\tz\t\\N\nzebra\tff\tx\ty\tz\t\\N\n");
        run =
            runWords(QStringList{"import", "rare.tsv", "--level", "auto"} + fixtures, empty.path());
        QVERIFY2(run.out.contains("2 into ./word0.mdb (level 0), 2 into ./word1.mdb (level 1), "
                                  "2 into ./word2.mdb (level 2)"),
                 qPrintable(run.describe()));
        QCOMPARE(wordsOf(levelRows(levelFile(empty.path(), 2), 2)),
                 (std::vector<std::string>{"flask", "zebra"}));

        QFile::remove(levelFile(empty.path(), 1));
        writeFile(empty.filePath("more.tsv"),
                  "word\tans\tc1\tc2\tc3\tref\nresistor\ta part\tx\ty\tz\t\\N\n");
        run =
            runWords(QStringList{"import", "more.tsv", "--level", "auto"} + fixtures, empty.path());
        QVERIFY2(run.exitCode == 1 && run.err.contains("word1.mdb does not exist"),
                 qPrintable(run.describe()));

        run = runWords({"quality", "--wordnet", kFixtures + "/wordnet"}, dir.path());
        QVERIFY2(run.exitCode == 0 && run.out.contains("./word0.mdb: 11 entries\n  entries with a "
                                                       "second right answer: 0\n"),
                 qPrintable(run.describe()));
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
