// Jet level files brought across: every row of the shared fixtures exactly
// as stored, the originals kept byte for byte, refused files untouched, a
// kill at every step of the conversion, and the one message on start.

#include "WordsRunner.h"
#include "app/JetFilesOnStart.h"
#include "support/ScriptedMessages.h"
#include "support/SharedFixtures.h"
#include "wordlist/formats/JetReader.h"
#include "wordlist/formats/TsvCodec.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace lexitor;
using namespace lexitor::testing;
using namespace lexitor::wordlist;
using store::WordRecord;

namespace {

QString fixture(const QString& name) {
    return sharedFixture(QStringLiteral("jet/") + name);
}

// The rows of a fixture's .tsv (\N is null), as the Jet file holds them.
std::vector<WordRecord> tsvRows(int level) {
    const ParsedList parsed = parseTsv(fileBytes(fixture(QStringLiteral("word%1.tsv").arg(level))));
    std::vector<WordRecord> rows;
    for (std::size_t i = 1; i < parsed.records.size(); ++i) {
        const Fields& f = parsed.records[i].fields;
        rows.push_back({f[0], f[1], f[2], f[3], f[4], f[5]});
    }
    return rows;
}

// Copies a fixture (or the first `bytes` of it) in as the level's file.
void place(const QString& dir, const QString& source, int level, qsizetype bytes = -1) {
    const QByteArray all = fileBytes(fixture(source));
    writeFile(levelFile(dir, level), bytes < 0 ? all : all.left(bytes));
}

} // namespace

class JetConversionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        REQUIRE_SHARED_FIXTURE(QStringLiteral("jet/README.md"));
    }

    void everyRowComesAcrossAsStored() {
        QFETCH(QString, source);
        QFETCH(int, level);
        QFETCH(QStringList, otherFields);
        QFETCH(bool, nameTaken);
        QTemporaryDir dir;
        place(dir.path(), source, level);
        const QString taken = levelFile(dir.path(), level) + ".jet";
        if (nameTaken)
            writeFile(taken, "someone else's file");

        const FolderConversion conversion = convertJetFolder(dir.path());
        QVERIFY(conversion.refused.empty());
        QCOMPARE(conversion.converted.size(), std::size_t(1));
        const ConvertedFile& file = conversion.converted.front();
        QCOMPARE(file.otherFields, otherFields);
        QCOMPARE(file.keptAs,
                 QStringLiteral("word%1.mdb%2.jet").arg(level).arg(nameTaken ? ".2" : ""));
        QCOMPARE(fileBytes(QDir(dir.path()).filePath(file.keptAs)), fileBytes(fixture(source)));
        if (nameTaken)
            QCOMPARE(fileBytes(taken), QByteArray("someone else's file"));
        QVERIFY(levelRows(levelFile(dir.path(), level), level) == tsvRows(level));
        // The import reads the same rows, finding the level table by itself.
        QVERIFY(readJetWords(fixture(source)).rows == tsvRows(level));
        // Only level 1 holds a row Lexitor would refuse today: a null c2.
        QCOMPARE(conversion.flagged.size(), qsizetype(level == 1));
    }
    void everyRowComesAcrossAsStored_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("otherFields");
        QTest::addColumn<bool>("nameTaken");
        QTest::newRow("level 0") << "word0.mdb" << 0 << QStringList() << false;
        QTest::newRow("level 1") << "word1.mdb" << 1 << QStringList() << false;
        QTest::newRow("level 2, .jet name taken") << "word2.mdb" << 2 << QStringList() << true;
        QTest::newRow("memo fields") << "word1-memo.mdb" << 1 << QStringList() << false;
        QTest::newRow("extra fields")
            << "word1-extra.mdb" << 1 << QStringList{"id", "added"} << false;
    }

    void filesWithoutALevelTableAreLeftAsTheyAre() {
        QFETCH(QString, source);
        QFETCH(int, level);
        QFETCH(qsizetype, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        place(dir.path(), source, level, bytes);
        const QByteArray before = fileBytes(levelFile(dir.path(), level));

        const FolderConversion conversion = convertJetFolder(dir.path());
        QVERIFY(conversion.converted.empty());
        QCOMPARE(conversion.refused.size(), std::size_t(1));
        QVERIFY2(conversion.refused.front().reason.contains(reason),
                 qPrintable(conversion.refused.front().reason));
        QCOMPARE(fileBytes(levelFile(dir.path(), level)), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("word%1.mdb").arg(level)});
    }
    void filesWithoutALevelTableAreLeftAsTheyAre_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("level");
        QTest::addColumn<qsizetype>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("jet 3, other tables")
            << "jet3-other-tables.mdb" << 2 << qsizetype(-1)
            << "'word2.mdb' holds no table word2 (its tables: Table1, Table2, Table3, Table4)";
        QTest::newRow("another level's table")
            << "word0.mdb" << 1 << qsizetype(-1) << "holds no table word1 (its tables: word0)";
        QTest::newRow("cut short")
            << "word1.mdb" << 1 << qsizetype(20 * 4096) << "'word1.mdb' is damaged";
        QTest::newRow("header only") << "word1.mdb" << 1 << qsizetype(4096)
                                     << "'word1.mdb' cannot be read as a Jet database";
    }

    // The converter is killed at each step; whatever it left, nothing is
    // lost, and the next run finishes the job.
    void aKillAtAnyStepLosesNothing() {
        QFETCH(QString, step);
        QFETCH(bool, swapped);
        QTemporaryDir dir;
        place(dir.path(), QStringLiteral("word1.mdb"), 1);
        const QByteArray original = fileBytes(fixture(QStringLiteral("word1.mdb")));
        const QString path = levelFile(dir.path(), 1);

        qputenv("LEXITOR_TEST_STOP_CONVERSION_AT", step.toUtf8());
        const WordsRun killed = runWords({"convert", "--dir", dir.path()});
        qunsetenv("LEXITOR_TEST_STOP_CONVERSION_AT");
        QVERIFY2(killed.exitCode == -1, qPrintable(killed.describe())); // did not end by itself
        if (swapped) {
            QCOMPARE(fileBytes(path + ".jet"), original);
            QVERIFY(levelRows(path, 1) == tsvRows(1));
        } else {
            QCOMPARE(fileBytes(path), original);
        }

        const WordsRun rerun = runWords({"convert", "--dir", dir.path()});
        QCOMPARE(rerun.exitCode, 0);
        QVERIFY(levelRows(path, 1) == tsvRows(1));
        QCOMPARE(fileBytes(path + ".jet"), original);
        QStringList names = QDir(dir.path()).entryList(QDir::Files);
        names.removeAll(kConversionReportName);
        names.removeAll(QStringLiteral("lexitor.lock")); // stays, to be locked again
        QCOMPARE(names, (QStringList{"word1.mdb", "word1.mdb.jet"}));
    }
    void aKillAtAnyStepLosesNothing_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("swapped");
        QTest::newRow("adding rows") << "writing" << false;
        QTest::newRow("new file written") << "written" << false;
        QTest::newRow("original kept") << "kept" << false;
        QTest::newRow("files swapped") << "swapped" << true;
    }

    void startingTheProgramBringsTheFolderAcrossWithOneMessage() {
        QTemporaryDir dir;
        place(dir.path(), QStringLiteral("word0.mdb"), 0);
        place(dir.path(), QStringLiteral("word1.mdb"), 1);
        place(dir.path(), QStringLiteral("jet3-other-tables.mdb"), 2);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        testing::ScriptedMessages messages;
        app::reportJetConversion(messages.services(), app::bringJetFilesAcross());
        QDir::setCurrent(previous);

        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].code, screens::vbExclamation);
        for (const char* part :
             {"word0.mdb (97 words), word1.mdb (94 words)", "word0.mdb.jet, word1.mdb.jet",
              "3 of the rows", "jet-conversion-report.txt", "'word2.mdb' holds no table"})
            QVERIFY2(messages.shown[0].text.contains(QLatin1String(part)), part);
        const QString report =
            QString::fromUtf8(fileBytes(QDir(dir.path()).filePath(kConversionReportName)));
        for (const char* line :
             {"word0.mdb row 1 \"bear\": the word is also in level 1 (word1.mdb row 92)",
              "word1.mdb row 92 \"Bear\": the word is also in level 0 (word0.mdb row 1)",
              "word1.mdb row 94 \"gadget\": c2 is null"})
            QVERIFY2(report.contains(QLatin1String(line)), line);
    }
};

QTEST_MAIN(JetConversionTest)
#include "JetConversionTest.moc"
