// lexitor-words end to end: the built tool on real level databases in a
// temporary folder.

#include "WordsRunner.h"
#include "support/WordRuleCases.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lexitor;
using namespace lexitor::testing;
using store::WordRecord;

namespace {

const QByteArray kTsvHeader = "word\tans\tc1\tc2\tc3\tref\n";

} // namespace

class WordsCommandTest : public QObject {
    Q_OBJECT

private slots:
    void helpDocumentsEveryCommand() {
        for (const QStringList& args : {QStringList{}, QStringList{"help"}, QStringList{"--help"},
                                        QStringList{"import", "--help"}}) {
            const WordsRun run = runWords(args);
            QCOMPARE(run.exitCode, 0);
            for (const char* text : {"create FILE --level N", "import LIST --level N",
                                     "export --level N", "convert [--dir DIR]", "generate",
                                     "--skip-invalid", "--format pairs", "tsv|csv|kvtml"})
                QVERIFY2(run.out.contains(QLatin1String(text)), text);
        }
        // clang-format off
        const QList<QStringList> usageErrors = {
            {"frobnicate"}, {"import", "list.tsv"}, {"import", "list.tsv", "--level", "3"},
            {"export", "--level", "0", "--format", "xml"}, {"export", "--level", "0", "--format", "words"},
            {"create", "--level", "0"}, {"import", "list.tsv", "--level", "0", "--bogus"},
            {"import", "list.tsv", "--level", "0", "--table", "word0"},
            {"import", "list.kvtml", "--level", "0", "--to", "x"},
            {"export", "--level", "0", "--format", "pairs"}, {"export", "--level", "0", "a.tsv", "b.tsv"},
            {"convert", "word0.mdb"}, {"export", "--level", "auto"}};
        // clang-format on
        for (const QStringList& args : usageErrors) {
            const WordsRun run = runWords(args);
            QVERIFY2(run.exitCode == 2 && !run.err.isEmpty(), qPrintable(run.describe()));
        }
    }

    void createMakesAnEmptyLevelAndNeverOverwrites() {
        QTemporaryDir dir;
        const QString path = dir.filePath("word1.mdb");
        QVERIFY(createLevels(dir.path(), {1}));
        QVERIFY(levelRows(path, 1).empty());

        const QByteArray before = fileBytes(path);
        WordsRun run = runWords({"create", path, "--level", "1"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("already exists"));
        QCOMPARE(fileBytes(path), before);

        const QString other = dir.filePath("notes.txt");
        writeFile(other, "someone's notes");
        run = runWords({"create", other, "--level", "0"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(fileBytes(other), QByteArray("someone's notes"));
    }

    // Odd texts come through the store unchanged: CSV in, CSV out, CSV in
    // again; TSV refuses the tab it cannot hold and writes nothing.
    void csvRoundTripKeepsOddTexts() {
        QTemporaryDir first, second;
        QVERIFY(createLevels(first.path()) && createLevels(second.path()));
        const QByteArray csv =
            "word,ans,c1,c2,c3,ref\r\n"
            "\"  leading\",\"comma, inside\",\"say \"\"hi\"\"\",\"\",\" \",\r\n"
            "\"x'); DROP TABLE word0; --\",SQL-looking,\"tab\there\",\"line\nbreak\","
            "\"crlf\r\nend\",\\N\r\n"
            "Привет,здравствуйте — a greeting,你好世界,مرحبا,emoji "
            "🙂,\"trailing "
            "\"\r\n";
        const std::vector<WordRecord> expected = {
            {"  leading", "comma, inside", "say \"hi\"", "", " ", std::nullopt},
            {"x'); DROP TABLE word0; --", "SQL-looking", "tab\there", "line\nbreak", "crlf\r\nend",
             "\\N"},
            {"Привет", "здравствуйте — a greeting", "你好世界", "مرحبا", "emoji 🙂", "trailing "},
        };
        writeFile(first.filePath("in.csv"), csv);
        WordsRun run =
            runWords({"import", "in.csv", "--level", "2", "--dir", first.path()}, first.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.describe()));
        QVERIFY(levelRows(first.filePath("word2.mdb"), 2) == expected);

        const QString out = first.filePath("out.csv");
        QCOMPARE(runWords({"export", "--level", "2", "--dir", first.path(), out}).exitCode, 0);
        run = runWords({"import", out, "--level", "2", "--dir", second.path()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.describe()));
        QVERIFY(levelRows(second.filePath("word2.mdb"), 2) == expected);
        run = runWords({"export", "--level", "2", "--format", "csv"}, second.path());
        QCOMPARE(run.out.toUtf8(), fileBytes(out));

        run = runWords({"export", "--level", "2", "out.tsv"}, second.path());
        QVERIFY2(run.exitCode == 1 &&
                     run.err.contains("row 2 (word \"x'); DROP TABLE word0; --\"): c1"),
                 qPrintable(run.describe()));
        QVERIFY(!QFileInfo::exists(second.filePath("out.tsv")));
        run = runWords({"export", "--level", "2"}, second.path());
        QVERIFY(run.exitCode == 1 && run.out.isEmpty());
    }

    // Every reason the reader gives is in WordListCodecTest; these rows
    // check that a refusal reaches the user with the file's name and line,
    // and that nothing is written.
    void refusedImportsWriteNothing() {
        QTemporaryDir dir;
        QVERIFY(createLevels(dir.path()));
        const QByteArray before = levelFileBytes(dir.path());
        const std::pair<QByteArray, const char*> cases[] = {
            {"na\xEFve\tsimple\tx\ty\tz\t \n", "l.tsv:3: the file is not UTF-8"},
            {"a%1b\txx\tx\ty\tz\t \nA%1B\txx\tx\ty\tz\t \n",
             "l.tsv:4: the word \"A%1B\" is already on line 3"}};
        for (const auto& [content, problem] : cases) {
            writeFile(dir.filePath("l.tsv"),
                      kTsvHeader + "pear\ta fruit\tx1\tx2\tx3\t \n" + content);
            const WordsRun run = runWords({"import", "l.tsv", "--level", "1"}, dir.path());
            QVERIFY2(run.exitCode == 1 && run.err.contains(problem) &&
                         run.err.contains("nothing was imported"),
                     qPrintable(run.describe()));
            QCOMPARE(levelFileBytes(dir.path()), before);
        }
    }

    // A TSV list comes back byte for byte; a word already in another level
    // file is refused.
    void tsvRoundTripAndDuplicatesAcrossLevels() {
        QTemporaryDir dir;
        QVERIFY(createLevels(dir.path(), {0, 2})); // no word1.mdb: it holds no words
        const QByteArray tsv = kTsvHeader +
                               "  apple \ta \"fruit\", red\t\t \tx3\t\\N\n"
                               "x'); DROP TABLE word0; --\tΑθήνα\t日本語\tO'Brien\t%s\t \n"
                               "Zebra\tan animal\tc1\tc2\tc3\tA zebra ran.\n"
                               "Éclair\ta pastry\tx1\tx2\tx3\t \n";
        writeFile(dir.filePath("two.txt"), tsv);
        WordsRun run =
            runWords({"import", "two.txt", "--format", "tsv", "--level", "2"}, dir.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.describe()));
        QCOMPARE(runWords({"export", "--level", "2"}, dir.path()).out.toUtf8(), tsv);

        writeFile(dir.filePath("zero.tsv"), kTsvHeader + "grape\ta fruit\tx1\tx2\tx3\t \n"
                                                         " éCLAIR\tagain\tx1\tx2\tx3\t \n");
        run = runWords({"import", "zero.tsv", "--level", "0"}, dir.path());
        QVERIFY2(run.exitCode == 1 && run.err.contains("zero.tsv:3: the word \"éCLAIR\" is already "
                                                       "in level 2"),
                 qPrintable(run.describe()));
        QVERIFY(levelRows(dir.filePath("word0.mdb"), 0).empty());

        run = runWords({"import", "two.txt", "--format", "tsv", "--level", "1"}, dir.path());
        QVERIFY2(run.exitCode == 1 && run.err.contains("word1.mdb"), qPrintable(run.describe()));
        QVERIFY(!QFileInfo::exists(dir.filePath("word1.mdb")));
    }

    void wordRulesAsTheScreenHasThem() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(int, outcome);
        testing::WordFiles files;
        files.add(2, {testing::wordRow(stored.toUtf8().constData(), "a meaning")});
        writeFile(QDir(files.dir()).filePath("new.tsv"),
                  kTsvHeader + typed.toUtf8() + "\ta meaning\tx1\tx2\tx3\t \n");
        const WordsRun run =
            runWords({"import", "new.tsv", "--level", "0", "--dry-run"}, files.dir());
        const char* expected[] = {"1 rows would be imported", "shorter than 2 characters",
                                  "is already in level 2"};
        QVERIFY2(run.exitCode == (outcome ? 1 : 0), qPrintable(run.describe()));
        QVERIFY2((run.out + run.err).contains(expected[outcome]), qPrintable(run.describe()));
    }
    void wordRulesAsTheScreenHasThem_data() { testing::addWordRuleRows(); }

    void starterListsImportCleanly() {
        const QString starter =
            QDir(qEnvironmentVariable("LEXITOR_TEST_SOURCE_DIR")).filePath("data/starter");
        QTemporaryDir dir;
        QVERIFY(createLevels(dir.path()));
        for (int level = 0; level < store::kLevelCount; ++level) {
            const QString list = QDir(starter).filePath(QStringLiteral("level%1.tsv").arg(level));
            WordsRun run =
                runWords({"import", list, "--level", QString::number(level), "--dir", dir.path()});
            QVERIFY2(run.exitCode == 0, qPrintable(run.describe()));

            const std::vector<WordRecord> rows = levelRows(levelFile(dir.path(), level), level);
            QVERIFY(rows.size() >= 25);
            int withReference = 0;
            for (const WordRecord& row : rows) {
                for (const auto& wrong : {row.c1, row.c2, row.c3})
                    QVERIFY(QString::fromStdString(*wrong).trimmed().size() >= 3);
                if (row.ref && !QString::fromStdString(*row.ref).trimmed().isEmpty())
                    ++withReference;
            }
            QVERIFY(withReference * 10 >= int(rows.size()) * 3);
            QVERIFY(withReference * 10 <= int(rows.size()) * 7);

            run = runWords({"export", "--level", QString::number(level), "--dir", dir.path()});
            QCOMPARE(run.out.toUtf8(), fileBytes(list));
        }
    }
};

QTEST_GUILESS_MAIN(WordsCommandTest)
#include "WordsCommandTest.moc"
