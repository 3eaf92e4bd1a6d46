// How changes reach the file: journal files beside a word file applied
// only when they belong to it, a file left in write-ahead mode by the older
// version settled into a rollback journal with extra sync. Then the
// README's advice on starting over.
#include "StoreFixtures.h"
#include "support/OtherProgram.h"
#include "support/WordFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lexitor::testing;

namespace {

const QByteArray kJournalMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);

} // namespace

class StoreJournalTest : public QObject {
    Q_OBJECT

    std::vector<std::string> notices_;
    DBEngine engine_{{.notice = [this](const std::string& text) { notices_.push_back(text); }}};

private slots:
    void init() { notices_.clear(); }

    void journalsApplyOnlyToTheirOwnFile_data() {
        QTest::addColumn<QString>("from"); // whose journal stands beside word0.mdb
        QTest::addColumn<QString>("suffix");
        const char* const rows[][3] = {{"own log of the older version", "word0", "-wal"},
                                       {"own unfinished change", "word0", "-journal"},
                                       {"another level's log", "word1", "-wal"},
                                       {"another level's journal", "word1", "-journal"},
                                       {"a changed copy's journal", "copy", "-journal"},
                                       {"the log of a file moved out", "replaced", "-wal"}};
        for (const auto& [name, from, suffix] : rows)
            QTest::newRow(name) << QString(from) << QString(suffix);
    }

    void journalsApplyOnlyToTheirOwnFile() {
        QFETCH(QString, from);
        QFETCH(QString, suffix);
        QTemporaryDir dir, elsewhere;
        const QString target = dir.filePath("word0.mdb");
        makeLevelFile(target, 0, numbered("zero"));
        makeLevelFile(dir.filePath("word1.mdb"), 1, numbered("one"));
        std::vector<WordRecord> expected = levelRows(target, 0);
        QString source = from == "word1" ? dir.filePath("word1.mdb") : target;
        if (from == "copy") {
            source = elsewhere.filePath("word0.mdb");
            QVERIFY(QFile::copy(target, source));
            otherProgramRuns(source, "UPDATE word0 SET c1='only in the copy' WHERE rowid=7;");
        }
        // Killed after a change committed to the log, or in the middle of
        // a change that spilled into the file: by another program, or by
        // an import of ours.
        if (suffix == "-wal") {
            OtherProgram(source, "PRAGMA journal_mode=WAL; UPDATE " +
                                     QString(from == "word1" ? "word1" : "word0") +
                                     " SET ans='changed' WHERE rowid<=5;")
                .kill();
        } else if (from == "word1") {
            OtherProgram(source, "PRAGMA cache_size=1; BEGIN; UPDATE word1 SET ans='changed';")
                .kill();
        } else {
            QProcess import;
            import.start(QStringLiteral(LEXITOR_CRASH_HELPER), {source, "imported", "spill"});
            QVERIFY(import.waitForReadyRead(60000));
            import.kill();
            import.waitForFinished();
        }
        QVERIFY(fileBytes(source + suffix)
                    .startsWith(suffix == "-wal" ? QByteArray("\x37\x7f\x06") : kJournalMagic));
        if (source != target)
            QVERIFY(QFile::copy(source + suffix, target + suffix));
        if (from == "replaced") {
            makeLevelFile(elsewhere.filePath("fresh.mdb"), 0, numbered("fresh"));
            QVERIFY(QFile::remove(target) && QFile::copy(elsewhere.filePath("fresh.mdb"), target));
            expected = levelRows(elsewhere.filePath("fresh.mdb"), 0);
        }
        const bool own = from == "word0";
        if (own && suffix == "-wal") {
            for (int i = 0; i < 5; ++i)
                expected[std::size_t(i)].ans = "changed";
        }

        openDb(target, engine_);
        QVERIFY(levelRows(target, 0) == expected);
        QCOMPARE(firstValue(target, "PRAGMA integrity_check"), std::string("ok"));
        // A rollback journal, its removal synced too, so that a committed
        // change cannot come back undone after a power cut.
        QCOMPARE(fileBytes(target).mid(18, 2), QByteArray("\x01\x01", 2));
        QCOMPARE(firstValue(target, "PRAGMA journal_mode"), std::string("delete"));
        QCOMPARE(firstValue(target, "PRAGMA synchronous"), std::string("3"));
        QVERIFY(!QFile::exists(target + "-wal"));
        QVERIFY(!fileBytes(target + "-journal").startsWith(kJournalMagic));
        QCOMPARE(QFile::exists(target + suffix + ".foreign"), !own);
        QCOMPARE(notices_.size(), std::size_t(own ? 0 : 1));
        if (!own)
            QVERIFY2(holds(notices_[0], "'word0.mdb" + suffix.toStdString() + "' beside"),
                     notices_[0].c_str());
    }

    // Starting over, as the README tells it: the files and their journals
    // moved out, the next start makes the default lists, and the moved file
    // opens as it was, its unfinished change undone.
    void startingOverAsTheReadmeSays() {
        QTemporaryDir defaults, folder, movedOut;
        for (int level = 0; level < kLevelCount; ++level)
            makeLevelFile(defaults.filePath(QStringLiteral("word%1.mdb").arg(level)), level,
                          {"default" + std::to_string(level), "second"});
        const auto startLexitor = [&] {
            QProcess prepare;
            prepare.start(
                "bash", {qEnvironmentVariable("LEXITOR_TEST_SOURCE_DIR") + "/tools/prepare-data.sh",
                         defaults.path(), defaults.filePath("word0.mdb"), folder.path()});
            QVERIFY(prepare.waitForFinished(30000) && prepare.exitCode() == 0);
        };
        startLexitor();
        const QString word1 = folder.filePath("word1.mdb");
        appendRecord(*openDb(word1)->OpenRecordset("word1"), sampleRecord("mine"));
        OtherProgram(word1, "PRAGMA cache_size=1; BEGIN; DELETE FROM word1;").kill();
        QVERIFY(fileBytes(word1 + "-journal").startsWith(kJournalMagic));
        for (const QString& name : QDir(folder.path()).entryList({"word*.mdb*"}))
            QVERIFY(QFile::rename(folder.filePath(name), movedOut.filePath(name)));
        startLexitor();
        for (int level = 0; level < kLevelCount; ++level) {
            const std::string table = "word" + std::to_string(level);
            QCOMPARE(walk(*openDb(folder.filePath(QString::fromStdString(table + ".mdb")))
                               ->OpenRecordset(table)),
                     (std::vector<std::string>{"default" + std::to_string(level), "second"}));
        }
        QCOMPARE(walk(*openDb(movedOut.filePath("word1.mdb"), engine_)->OpenRecordset("word1")),
                 (std::vector<std::string>{"default1", "second", "mine"}));
        QVERIFY(notices_.empty());
    }
};

QTEST_GUILESS_MAIN(StoreJournalTest)
#include "StoreJournalTest.moc"
