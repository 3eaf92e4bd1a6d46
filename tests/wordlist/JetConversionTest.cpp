// Jet level files brought across: every row of the shared fixtures exactly
// as stored, the originals kept byte for byte, refused files untouched
// (damaged, hanging, not a file at all, in a read-only folder), damaged
// values named by row and field, a kill after every change on disk, and
// the one message on start.

#include "WordsRunner.h"
#include "app/JetFilesOnStart.h"
#include "support/ScriptedMessages.h"
#include "support/SharedFixtures.h"
#include "wordlist/formats/JetReader.h"
#include "wordlist/formats/TsvCodec.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace lexitor;
using namespace lexitor::testing;
using namespace lexitor::wordlist;
using namespace std::chrono_literals;
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

// The Jet 3 fixture with page 46 zeroed, or cut before it: libmdb reads
// its catalog for ever.
QByteArray hangingJet(bool cut) {
    constexpr qsizetype kPage = 2048;
    QByteArray bytes = fileBytes(fixture(QStringLiteral("jet3-other-tables.mdb")));
    return cut ? bytes.left(46 * kPage) : bytes.replace(46 * kPage, kPage, QByteArray(kPage, 0));
}

// word1-memo.mdb with the long text of row 7's answer sent to `pageRow`
// (a page number and a piece on it).
QByteArray memoPointingAt(quint32 pageRow) {
    QByteArray bytes = fileBytes(fixture(QStringLiteral("word1-memo.mdb")));
    const qsizetype at = bytes.indexOf(QByteArray::fromHex("4200004000370000"));
    qToLittleEndian(pageRow, bytes.data() + at + 4);
    return bytes;
}

// Every name in `dir` with its bytes.
QMap<QString, QByteArray> snapshot(const QString& dir) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& file :
         QDir(dir).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        files[file.fileName()] = file.isFile() ? fileBytes(file.filePath()) : "not a file";
    return files;
}

// A pipe, a folder or a device in the place of a word file.
void placeNotAFile(const QString& path, const QString& kind) {
    if (kind == u"pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else if (kind == u"folder")
        QVERIFY(QDir().mkdir(path));
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
}

// The outcome of a start of the program in `dir`, with the message it gave.
QString startIn(const QString& dir, const std::function<void()>& whileReading = {}) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir);
    ScriptedMessages messages;
    app::JetFilesOnStart files;
    if (whileReading)
        QTimer::singleShot(0, whileReading);
    app::reportJetConversion(messages.services(), files.bringAcross(0ms));
    QDir::setCurrent(previous);
    return messages.shown.isEmpty() ? QString() : messages.shown.front().text;
}

// Whether the level database `path` holds the rows of the fixture's .tsv.
bool holdsRows(const QString& path, int level) {
    try {
        return levelRows(path, level) == tsvRows(level);
    } catch (const store::EngineError&) {
        return false;
    }
}

// lexitor-words built to kill itself after its n-th change on disk.
WordsRun runKilledAfter(int change, const QStringList& args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LEXITOR_KILL_AFTER_CHANGE"), QString::number(change));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LEXITOR_KILLED_WORDS_EXE), args);
    WordsRun run;
    if (process.waitForFinished(300'000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    return run;
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

    // A folder path longer than SQLite's own limit: the Jet side reads it,
    // and the whole folder is brought across.
    void aFileInADeepFolderIsRead() {
        QTemporaryDir dir;
        QString deep = dir.path();
        while (deep.size() < 600)
            deep += QStringLiteral("/a-folder-with-a-long-name");
        QVERIFY(QDir().mkpath(deep));
        for (int level = 0; level < store::kLevelCount; ++level)
            place(deep, QStringLiteral("word%1.mdb").arg(level), level);
        QVERIFY(readJetWords(levelFile(deep, 2)).rows == tsvRows(2));
        const WordsRun converted = runWords({"convert", "--dir", deep});
        QVERIFY2(converted.exitCode == 0, qPrintable(converted.describe()));
        for (int level = 0; level < store::kLevelCount; ++level)
            QVERIFY2(holdsRows(levelFile(deep, level), level), qPrintable(QString::number(level)));
    }

    void filesThatCannotBeBroughtAcrossAreLeftAsTheyAre() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, level);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = levelFile(dir.path(), level);
        if (bytes == "read-only")
            place(dir.path(), QStringLiteral("word1.mdb"), level);
        else if (bytes.size() < 10)
            placeNotAFile(path, QString::fromLatin1(bytes));
        else
            writeFile(path, bytes);
        const auto before = snapshot(dir.path());
        if (bytes == "read-only")
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);

        const FolderConversion conversion = convertJetFolder(dir.path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(conversion.converted.empty());
        QCOMPARE(conversion.refused.size(), std::size_t(1));
        const QString message = conversionMessage(conversion);
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(!message.contains(u"..") && !message.contains(u".;"), qPrintable(message));
        QCOMPARE(snapshot(dir.path()), before);
        if (QFileInfo(path).isFile()) { // and the store tells what it is
            try {
                store::DBEngine::instance().OpenDatabase(path.toStdString());
                QFAIL("a Jet file was opened as a word database");
            } catch (const store::EngineError& error) {
                QVERIFY2(QString::fromUtf8(error.what())
                             .contains(u"is a Jet word file that Lexitor has not brought across"),
                         error.what());
            }
        }
    }
    void filesThatCannotBeBroughtAcrossAreLeftAsTheyAre_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("reason");
        const auto bytesOf = [](const char* name) { return fileBytes(fixture(name)); };
        QTest::newRow("jet 3, other tables")
            << bytesOf("jet3-other-tables.mdb") << 2
            << "'word2.mdb' holds no table word2 (its tables: Table1, Table2, Table3, Table4).";
        QTest::newRow("another level's table")
            << bytesOf("word0.mdb") << 1 << "holds no table word1 (its tables: word0).";
        QTest::newRow("cut short")
            << bytesOf("word1.mdb").left(20 * 4096) << 1 << "'word1.mdb' is damaged";
        QTest::newRow("header only") << bytesOf("word1.mdb").left(4096) << 1
                                     << "'word1.mdb' cannot be read as a Jet database";
        QTest::newRow("a long text on the wrong page")
            << memoPointingAt(50 << 8) << 1
            << "'word1.mdb' is damaged: 1 of its rows cannot be read (row 7, field ans holds a "
               "long text on page 50, which holds no rows), so none was taken from it. The file "
               "was left as it is.";
        QTest::newRow("libmdb loops for ever")
            << hangingJet(false) << 2
            << "'word2.mdb' could not be read within 10 seconds: the Jet reader was stopped";
        QTest::newRow("a pipe") << QByteArray("pipe") << 1
                                << "'word1.mdb' is a named pipe (FIFO), not a file.";
        QTest::newRow("a folder") << QByteArray("folder") << 0
                                  << "'word0.mdb' is a folder, not a file.";
        QTest::newRow("a device") << QByteArray("device") << 2
                                  << "'word2.mdb' is a device, not a file.";
        QTest::newRow("a read-only folder")
            << QByteArray("read-only") << 1
            << "is read-only. To quiz these words, copy the folder to one you may write to and "
               "start Lexitor there, or have the folder's owner run: lexitor-words convert --dir";
    }

    // Damaged values through the import: named, refused, or left out with
    // --skip-invalid; and what each check of a long text says.
    void damagedRowsAreNamedByRowAndField() {
        QTemporaryDir dir;
        QVERIFY(createLevels(dir.path(), {1}));
        const QString source = dir.filePath(QStringLiteral("x.mdb"));
        writeFile(source, memoPointingAt(50 << 8));
        const QByteArray level = fileBytes(levelFile(dir.path(), 1));
        const WordsRun refused = runWords({"import", source, "--level", "1", "--dir", dir.path()});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("x.mdb: row 7: the row is damaged: field ans "
                                                     "holds a long text on page 50, which holds no "
                                                     "rows")),
                 qPrintable(refused.describe()));
        QCOMPARE(fileBytes(levelFile(dir.path(), 1)), level);
        const WordsRun skipped =
            runWords({"import", source, "--level", "1", "--dir", dir.path(), "--skip-invalid"});
        QVERIFY2(skipped.exitCode == 0 && skipped.out.startsWith(u"Imported 92 rows") &&
                     skipped.err.contains(u"x.mdb: row 7: the row is damaged"),
                 qPrintable(skipped.describe()));

        const std::pair<quint32, const char*> cases[] = {
            {1 << 8, "holds a long text on page 1, which holds another table"},
            {900 << 8, "holds a long text on page 900, outside the file"},
            {55 << 8 | 25, "holds a long text in piece 25 of page 55, which has 19 pieces"},
            {53 << 8, "holds control characters"}, // a row of the table itself
        };
        for (const auto& [pageRow, what] : cases) {
            writeFile(source, memoPointingAt(pageRow));
            const JetWords words = readJetWords(source);
            QCOMPARE(words.damaged.size(), std::size_t(1));
            QCOMPARE(damageText(words.damaged), QStringLiteral("row 7, field ans ") + what);
            QCOMPARE(words.rows.size(), std::size_t(94));
        }
    }

    // A reader that runs past its deadline is stopped, and says so by name.
    void aReaderThatTakesTooLongIsStopped() {
        for (const bool cut : {false, true}) {
            QTemporaryDir dir;
            const QString path = levelFile(dir.path(), 2);
            writeFile(path, hangingJet(cut));
            QElapsedTimer elapsed;
            elapsed.start();
            try {
                readJetWords(path, {}, {1s, std::size_t(256) << 20});
                QFAIL("a hanging file was read");
            } catch (const JetError& error) {
                QCOMPARE(QString::fromUtf8(error.what()),
                         "'word2.mdb' could not be read within 1 second: the Jet reader was "
                         "stopped, and the file looks damaged.");
            }
            QVERIFY(elapsed.elapsed() < 60'000); // only against a reader never stopped
            QCOMPARE(fileBytes(path), hangingJet(cut));
        }
    }

    // Killing the tool ends its reader too, even one that would run on.
    void theReaderDiesWithItsParent() {
        QTemporaryDir dir;
        writeFile(levelFile(dir.path(), 2), hangingJet(false));
        QProcess words;
        words.start(QStringLiteral(LEXITOR_WORDS_EXE), {"convert", "--dir", dir.path()});
        QVERIFY(words.waitForStarted());
        const QString children = QStringLiteral("/proc/%1/task/%1/children").arg(words.processId());
        // The reader has the file mapped once it has bound itself to its parent.
        QByteArray reader;
        QTRY_VERIFY_WITH_TIMEOUT(!(reader = fileBytes(children).trimmed()).isEmpty() &&
                                     fileBytes("/proc/" + reader + "/maps").contains("/word2.mdb"),
                                 60'000);
        ::kill(pid_t(words.processId()), SIGKILL);
        QVERIFY(words.waitForFinished());
        // Ended, or at least sent its SIGKILL, by the time the parent is gone.
        const QByteArray status = fileBytes("/proc/" + reader + "/status");
        bool ended = status.isEmpty() || status.contains("State:\tZ");
        for (const QByteArray& line : status.split('\n')) {
            if (line.startsWith("SigPnd:") || line.startsWith("ShdPnd:"))
                ended = ended ||
                        (line.mid(7).trimmed().toULongLong(nullptr, 16) & (1 << (SIGKILL - 1)));
        }
        QVERIFY2(ended, status.constData());
    }

    // A pipe, a folder or a device named like a word file is refused at
    // once by convert, import and the start of the program.
    void whatIsNotAFileIsRefusedAtOnce() {
        for (const QString& kind : QStringList{"pipe", "folder", "device"}) {
            QTemporaryDir dir;
            placeNotAFile(levelFile(dir.path(), 1), kind);
            placeNotAFile(dir.filePath(QStringLiteral("x.mdb")), kind);
            const QString what =
                kind == u"pipe" ? QStringLiteral("a named pipe (FIFO)") : "a " + kind;
            const WordsRun convert = runWords({"convert", "--dir", dir.path()});
            QVERIFY2(convert.out.contains("'word1.mdb' is " + what + ", not a file."),
                     qPrintable(convert.describe()));
            QVERIFY(createLevels(dir.path(), {0}));
            const WordsRun import =
                runWords({"import", dir.filePath("x.mdb"), "--level", "0", "--dir", dir.path()});
            QVERIFY2(import.exitCode == 1 && import.err.contains(what + ", not a file."),
                     qPrintable(import.describe()));
            QVERIFY(startIn(dir.path()).contains("'word1.mdb' is " + what + ", not a file."));
        }
    }

    // The converter is killed right after each change it makes on disk;
    // whatever it left, nothing is lost, and the next run reports exactly
    // what an uninterrupted run does.
    void aKillAfterAnyChangeLosesAndForgetsNothing() {
        const auto placeAll = [](const QString& dir) {
            for (int level = 0; level < store::kLevelCount; ++level)
                place(dir, QStringLiteral("word%1.mdb").arg(level), level);
        };
        const auto report = [](const QString& dir) { // without the date
            return fileBytes(QDir(dir).filePath(kConversionReportName)).split('\n').mid(1);
        };
        QTemporaryDir whole;
        placeAll(whole.path());
        const WordsRun uninterrupted = runWords({"convert", "--dir", whole.path()});
        const QString told = QString(uninterrupted.out).replace(whole.path(), "DIR");
        QVERIFY(told.contains(u"7 of the rows"));
        int change = 1;
        for (;; ++change) {
            QTemporaryDir dir;
            placeAll(dir.path());
            const WordsRun killed = runKilledAfter(change, {"convert", "--dir", dir.path()});
            if (killed.exitCode == 0)
                break; // no change was left to kill it after
            for (int level = 0; level < store::kLevelCount; ++level) {
                const QString path = levelFile(dir.path(), level);
                const QByteArray jet = fileBytes(fixture(QStringLiteral("word%1.mdb").arg(level)));
                QVERIFY2(fileBytes(path) == jet || holdsRows(path, level),
                         qPrintable(QStringLiteral("change %1, level %2").arg(change).arg(level)));
            }
            const WordsRun rerun = runWords({"convert", "--dir", dir.path()});
            const bool toldAlready = QString(killed.out).replace(dir.path(), "DIR") == told &&
                                     rerun.out.startsWith(u"No Jet word files");
            QVERIFY2(toldAlready || QString(rerun.out).replace(dir.path(), "DIR") == told,
                     qPrintable(QStringLiteral("change %1: %2").arg(change).arg(rerun.describe())));
            QCOMPARE(report(dir.path()), report(whole.path()));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                     QDir(whole.path()).entryList(QDir::Files));
        }
        QVERIFY2(change > 12,
                 qPrintable(QString::number(change))); // three files, three swaps and more
    }

    void startingTheProgramBringsTheFolderAcrossWithOneMessage() {
        QTemporaryDir dir;
        place(dir.path(), QStringLiteral("word0.mdb"), 0);
        place(dir.path(), QStringLiteral("word1.mdb"), 1);
        place(dir.path(), QStringLiteral("jet3-other-tables.mdb"), 2);
        const QString message = startIn(dir.path());
        for (const char* part :
             {"word0.mdb (97 words), word1.mdb (94 words)", "word0.mdb.jet, word1.mdb.jet",
              "3 of the rows", "jet-conversion-report.txt", "'word2.mdb' holds no table"})
            QVERIFY2(message.contains(QLatin1String(part)), part);
        const QString report =
            QString::fromUtf8(fileBytes(QDir(dir.path()).filePath(kConversionReportName)));
        for (const char* line :
             {"word0.mdb row 1 \"bear\": the word is also in level 1 (word1.mdb row 92)",
              "word1.mdb row 92 \"Bear\": the word is also in level 0 (word0.mdb row 1)",
              "word1.mdb row 94 \"gadget\": c2 is null"})
            QVERIFY2(report.contains(QLatin1String(line)), line);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("jet-conversion.pending"))));

        // A file that takes long shows a progress window, whose Esc leaves
        // it as it is.
        QTemporaryDir slow;
        writeFile(levelFile(slow.path(), 2), hangingJet(false));
        const QString cancelled = startIn(slow.path(), [] {
            auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            QVERIFY(progress && progress->labelText().contains(u"word2.mdb across"));
            QApplication::setActiveWindow(progress);
            QTest::keyClick(progress, Qt::Key_Escape);
        });
        QCOMPARE(cancelled, "Reading 'word2.mdb' was cancelled. The file was left as it is.");
        QCOMPARE(fileBytes(levelFile(slow.path(), 2)), hangingJet(false));
    }

    // What the conversion could not do is said: a level it could not
    // compare with, a report it could not write.
    void whatCouldNotBeDoneIsSaid() {
        QTemporaryDir dir;
        place(dir.path(), QStringLiteral("word1.mdb"), 1);
        writeFile(levelFile(dir.path(), 0),
                  QByteArray("SQLite format 3\0", 16) + QByteArray(4096, 'x'));
        QVERIFY(QDir(dir.path()).mkdir(kConversionReportName));
        const QString message = conversionMessage(convertJetFolder(dir.path()));
        for (const QString& part : QStringList{
                 "The converted words were not compared with those of word0.mdb, which cannot be "
                 "read: ",
                 "but the list could not be written to " + dir.filePath(kConversionReportName) +
                     " ('" + dir.filePath(kConversionReportName) +
                     "' is a folder, not a file); here it is:",
                 ":\nword1.mdb row 94 \"gadget\": c2 is null; only ref may be null"})
            QVERIFY2(message.contains(part), qPrintable(message));
    }
};

QTEST_MAIN(JetConversionTest)
#include "JetConversionTest.moc"
