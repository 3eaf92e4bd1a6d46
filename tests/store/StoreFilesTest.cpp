// Opening word database files: each kind of bad file is refused with its
// own message and left byte for byte as it was; a file that can only be
// read opens for reading; a full disk refuses a change and keeps every
// word; level databases are made right and never overwrite a file.
#include "StoreFixtures.h"
#include "support/OtherProgram.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <sys/stat.h>

#include <cerrno>

using namespace lexitor::testing;

namespace {

const auto kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// While it lives, every write SQLite makes fails as on a full disk, through
// SQLite's own seam for its system calls.
class DiskFull {
public:
    DiskFull() {
        set("write", reinterpret_cast<sqlite3_syscall_ptr>(&noRoom<>));
        for (const char* call : {"pwrite", "pwrite64"})
            set(call, reinterpret_cast<sqlite3_syscall_ptr>(&noRoom<off_t>));
    }
    ~DiskFull() {
        for (const char* call : {"write", "pwrite", "pwrite64"})
            set(call, nullptr);
    }

private:
    static void set(const char* call, sqlite3_syscall_ptr to) {
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        vfs->xSetSystemCall(vfs, call, to);
    }
    template <typename... Offset> static ssize_t noRoom(int, const void*, size_t, Offset...) {
        errno = ENOSPC;
        return -1;
    }
};

} // namespace

class StoreFilesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::vector<bool> waits_;
    std::vector<std::string> notices_;
    DBEngine engine_{{.lockWait = [this](bool waiting) { waits_.push_back(waiting); },
                      .notice = [this](const std::string& text) { notices_.push_back(text); },
                      .lockWaitLimit = std::chrono::milliseconds(200)}};
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QByteArray noise(4096, '\0');
        QRandomGenerator rng(7);
        for (auto& byte : noise)
            byte = static_cast<char>(rng.bounded(256));
        writeFile(path("empty.mdb"), {});
        writeFile(path("random.mdb"), noise);
        // The right header, then garbage: SQLite itself must refuse it.
        writeFile(path("fake.mdb"), QByteArray("SQLite format 3\0", 16) + noise);
        otherProgramRuns(path("other.db"), "CREATE TABLE notes (id INTEGER PRIMARY KEY, body TEXT);"
                                           "INSERT INTO notes (body) VALUES ('hello');");
        // The six fields but no index at all; an index but a field missing.
        otherProgramRuns(
            path("noindex.mdb"),
            "CREATE TABLE word0 (word TEXT, ans TEXT, c1 TEXT, c2 TEXT, c3 TEXT, ref TEXT);");
        otherProgramRuns(path("nofield.mdb"),
                         "CREATE TABLE word0 (word TEXT, ans TEXT, c1 TEXT, c2 TEXT, "
                         "c3 TEXT); CREATE INDEX wrdin ON word0 (word);");
        QVERIFY(QDir(dir_.path()).mkpath("folder.mdb") && QDir(dir_.path()).mkpath("closed"));
        makeLevelFile(path("noread.mdb"), 0, {"alpha", "beta"});
        makeLevelFile(path("locked.mdb"), 0, {"alpha", "beta"});
        makeLevelFile(path("closed/word0.mdb"), 0, {"alpha", "beta"});
        makeLevelFile(path("journal.mdb"), 0, {"alpha", "beta"});
        makeLevelFile(path("piped.mdb"), 0, {"alpha", "beta"});
        QVERIFY(::mkfifo(path("piped.mdb-journal").toUtf8().constData(), 0644) == 0);
        writeFile(path("journal.mdb-journal"), "left by someone");
        QVERIFY(QFile::setPermissions(path("journal.mdb-journal"), QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(path("noread.mdb"), QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(path("closed"), QFile::ReadOwner | QFile::WriteOwner));
    }

    void cleanupTestCase() {
        for (const char* name : {"noread.mdb", "closed", "journal.mdb-journal"})
            QFile::setPermissions(path(name), kOwnerOnly);
    }

    void openingErrorsSayWhatIsWrong_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("says");
        const char* const rows[][3] = {
            {"missing", "word7.mdb", "Cannot find the word database file"},
            {"folder shut", "closed/word0.mdb", "no permission to open its folder"},
            {"unreadable", "noread.mdb", "the file has no read permission"},
            {"a folder", "folder.mdb", "is a folder, not a file"},
            {"empty", "empty.mdb", "is empty (0 bytes)"},
            {"no database", "random.mdb", "not a word database at all"},
            {"damaged", "fake.mdb", "is damaged"},
            {"other tables", "other.db", "holds no table with the fields word"},
            {"no index", "noindex.mdb", "holds no table with the fields word"},
            {"no ref field", "nofield.mdb", "holds no table with the fields word"},
            {"locked", "locked.mdb", "is locked by another program"},
            {"unreadable journal", "journal.mdb", "-journal' beside '<dir>/journal.mdb' cannot"},
            {"a FIFO for its journal", "piped.mdb", "-journal' is a named pipe (FIFO), not a file"}};
        for (const auto& [name, file, says] : rows)
            QTest::newRow(name) << QString(file) << QString(says).replace("<dir>", dir_.path());
    }

    void openingErrorsSayWhatIsWrong() {
        QFETCH(QString, file);
        QFETCH(QString, says);
        std::unique_ptr<OtherProgram> holder;
        if (file == "locked.mdb")
            holder = std::make_unique<OtherProgram>(path(file), "BEGIN EXCLUSIVE;");
        waits_.clear();
        const QByteArray before = fileBytes(path(file));
        const QString error =
            QString::fromStdString(errorOf([&] { openDb(path(file), engine_); }));
        QCOMPARE(waits_, (holder ? std::vector<bool>{true, false} : std::vector<bool>{}));
        QVERIFY2(error.contains(says), qPrintable(error));
        QVERIFY2(error.contains(QFileInfo(file).fileName()), qPrintable(error));
        QCOMPARE(fileBytes(path(file)), before);
    }

    // A read-only file or folder: quizzing and exporting need no write;
    // every change is refused, saying why. An unfinished change there,
    // which cannot be undone in place, is left alone and read past.
    void readOnlyFilesOpenForReading() {
        for (const char* where : {"file", "folder", "folder with an unfinished change"}) {
            QTemporaryDir dir;
            const QString file = dir.filePath("word0.mdb");
            const bool folder = where != std::string("file");
            const bool unfinished = holds(where, "unfinished");
            makeLevelFile(file, 0, unfinished ? numbered("beta") : std::vector<std::string>{"beta7"});
            if (unfinished) // killed in the middle of a change that spilled into the file
                OtherProgram(file, "PRAGMA cache_size=1; BEGIN; UPDATE word0 SET ans=ans||'!';")
                    .kill();
            QVERIFY(QFile::setPermissions(folder ? dir.path() : file,
                                          folder ? QFile::ReadOwner | QFile::ExeOwner
                                                 : QFile::ReadOwner));
            const QByteArray before = fileBytes(file);
            const QStringList companions = QDir(dir.path()).entryList(QDir::Files);
            notices_.clear();
            {
                auto db = openDb(file, engine_);
                auto rs = db->OpenRecordset("word0");
                rs->Index("wrdin");
                rs->Seek("=", "BETA7");
                QCOMPARE(rs->Field("ans"), FieldValue("beta7-ans"));
                const std::string why = folder ? "its folder" : "the file is read-only";
                for (const auto& change : std::vector<std::function<void()>>{
                         [&] { appendRecord(*rs, sampleRecord("gamma")); },
                         [&] {
                             rs->Edit();
                             rs->SetField("ans", "new");
                             rs->Update();
                         },
                         [&] { rs->Delete(); }, [&] { Transaction transaction(*db); }}) {
                    const std::string error = errorOf(change);
                    QVERIFY2(error.starts_with("ReadOnly: ") && holds(error, why), error.c_str());
                }
                QCOMPARE(rs->Field("word"), FieldValue("beta7"));
            }
            QCOMPARE(notices_.size(), std::size_t(unfinished));
            if (unfinished)
                QVERIFY(holds(notices_[0], "cannot be finished here, because its folder"));
            QFile::setPermissions(folder ? dir.path() : file, kOwnerOnly);
            QCOMPARE(fileBytes(file), before);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), companions);
        }
    }

    void aFullDiskRefusesTheChangeAndKeepsEveryWord() {
        const QString file = path("full.mdb");
        makeLevelFile(file, 0, {"kept"});
        auto db = openDb(file);
        auto rs = db->OpenRecordset("word0");
        std::string error;
        {
            const DiskFull full;
            error = errorOf([&] { appendRecord(*rs, sampleRecord("lost")); });
        }
        QVERIFY2(error.starts_with("DiskFull: ") && holds(error, "full.mdb"), error.c_str());
        QCOMPARE(walk(*rs), std::vector<std::string>{"kept"});
        appendRecord(*rs, sampleRecord("after"));
        rs.reset();
        db.reset();
        QCOMPARE(walk(*openDb(file)->OpenRecordset("word0")),
                 (std::vector<std::string>{"kept", "after"}));
    }

    void missingTableFieldOrIndexIsRefusedWithoutWriting() {
        otherProgramRuns(
            path("partial.mdb"),
            "CREATE TABLE word0 (word TEXT, ans TEXT, c1 TEXT, c2 TEXT, c3 TEXT, ref TEXT);"
            "CREATE INDEX other ON word0 (ans);"
            "CREATE TABLE word9 (word TEXT, ans TEXT, c1 TEXT, c2 TEXT, c3 TEXT);"
            "INSERT INTO word0 VALUES ('a','b','c','d','e','f');");
        const QByteArray before = fileBytes(path("partial.mdb"));
        auto db = openDb(path("partial.mdb"));
        QVERIFY(holds(errorOf([&] { db->OpenRecordset("nosuch"); }), "'nosuch' not found"));
        QVERIFY(holds(errorOf([&] { db->OpenRecordset("word9"); }), "no field 'ref'"));
        QVERIFY(holds(errorOf([&] { db->OpenRecordset("word0", 2); }), "dbOpenTable"));
        auto rs = db->OpenRecordset("word0");
        QCOMPARE(errorOf([&] { rs->Index("wrdin"); }), "Unknown index 'wrdin' on table 'word0'.");
        rs->Index("other");
        rs->MoveFirst();
        QCOMPARE(rs->Field("ref"), FieldValue("f"));
        rs->Close();
        db->Close();
        QCOMPARE(fileBytes(path("partial.mdb")), before);
    }

    void levelDatabasesAreMadeAsNamed() {
        for (const auto& level : kLevels) {
            const QString file = path(QString::fromUtf8(level.file.data(), level.file.size()));
            createLevelDatabase(file.toStdString(), level.level);
            auto db = openDb(file);
            auto rs = db->OpenRecordset(std::string(level.table));
            QCOMPARE(rs->RecordCount(), 0);
            QVERIFY(rs->Bof() && rs->Eof());
            QCOMPARE(errorOf([&] { rs->MoveLast(); }), "No current record.");
            rs->Index(std::string(level.index));
            QCOMPARE(&levelDatabaseForEditorCode(level.editorCode()), &level);
            // An existing file, even a word database, is never overwritten.
            appendRecord(*rs, sampleRecord("kept"));
            db->Close();
            const QByteArray before = fileBytes(file);
            QVERIFY(holds(errorOf([&] { createLevelDatabase(file.toStdString(), level.level); }),
                          "already exists"));
            QCOMPARE(fileBytes(file), before);
        }
        QVERIFY(!errorOf([] { levelDatabase(3); }).empty());
        QVERIFY(!errorOf([] { levelDatabaseForEditorCode(0); }).empty());
        QVERIFY(!errorOf([&] { createLevelDatabase(path("x.mdb").toStdString(), -1); }).empty());
        QVERIFY(!QFile::exists(path("x.mdb")));
    }
};

QTEST_GUILESS_MAIN(StoreFilesTest)
#include "StoreFilesTest.moc"
