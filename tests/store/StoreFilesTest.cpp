// Opening word database files: every kind of bad file is refused with a
// clear text and left byte for byte as it was; level databases are made
// right and never overwrite a file.
#include "StoreFixtures.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace storetest;

class StoreFilesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Opens `file`, expects a refusal mentioning `needle`, and checks the
    // file is unchanged.
    void expectRefused(const QString& file, const std::string& needle) {
        const QByteArray before = fileBytes(file);
        const std::string error = errorOf([&] { openDb(file); });
        QVERIFY2(!error.empty(), qPrintable(file));
        QVERIFY2(error.find(needle) != std::string::npos, error.c_str());
        QCOMPARE(fileBytes(file), before);
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void missingFileNamesFileAndWorkingDirectory() {
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
        const std::string error = errorOf([] { DBEngine::instance().OpenDatabase("word7.mdb"); });
        QDir::setCurrent(old);
        QVERIFY2(error.find("word7.mdb") != std::string::npos, error.c_str());
        QVERIFY2(error.find(QDir(dir_.path()).canonicalPath().toStdString()) != std::string::npos ||
                     error.find(dir_.path().toStdString()) != std::string::npos,
                 error.c_str());
        QVERIFY(!QFile::exists(path("word7.mdb")));
    }

    void badFilesAreRefusedUnchanged() {
        QByteArray noise(4096, '\0');
        QRandomGenerator rng(7);
        for (auto& byte : noise)
            byte = static_cast<char>(rng.bounded(256));
        const std::pair<QString, QByteArray> written[] = {
            {"empty.mdb", {}},
            {"random.mdb", noise},
            // The right header, then garbage: SQLite itself must refuse it.
            {"fake.mdb", QByteArray("SQLite format 3\0", 16) + noise}};
        for (const auto& [name, bytes] : written) {
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        expectRefused(path("empty.mdb"), "empty");
        QCOMPARE(QFileInfo(path("empty.mdb")).size(), 0);
        expectRefused(path("random.mdb"), "not a word database");
        expectRefused(path("fake.mdb"), "not a word database");

        const std::pair<QString, std::string> made[] = {
            {"other.db", "CREATE TABLE notes (id INTEGER PRIMARY KEY, body TEXT);"
                         "INSERT INTO notes (body) VALUES ('hello');"},
            // The six fields but no index at all.
            {"noindex.mdb",
             "CREATE TABLE word0 (word TEXT, ans TEXT, c1 TEXT, c2 TEXT, c3 TEXT, ref TEXT);"
             "INSERT INTO word0 VALUES ('a','b','c','d','e','f');"},
            // An index but a field missing.
            {"nofield.mdb", "CREATE TABLE word0 (word TEXT, ans TEXT, c1 TEXT, c2 TEXT, c3 TEXT);"
                            "CREATE INDEX wrdin ON word0 (word);"}};
        for (const auto& [name, sql] : made) {
            runSql(path(name), sql);
            expectRefused(path(name), "not a word database");
        }

        QVERIFY(QDir(dir_.path()).mkdir("folder.mdb"));
        expectRefused(path("folder.mdb"), "directory");
    }

    void filesWithoutPermissionAreRefused() {
        makeLevelFile(path("noread.mdb"), 0, {"alpha", "beta"});
        makeLevelFile(path("nowrite.mdb"), 0, {"alpha", "beta"});
        QVERIFY(QFile::setPermissions(path("noread.mdb"), QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(path("nowrite.mdb"), QFile::ReadOwner | QFile::ReadGroup));
        expectRefused(path("noread.mdb"), "read permission");
        expectRefused(path("nowrite.mdb"), "write permission");
        QFile::setPermissions(path("noread.mdb"), QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(path("nowrite.mdb"), QFile::ReadOwner | QFile::WriteOwner);
    }

    void missingTableFieldOrIndexIsRefusedWithoutWriting() {
        runSql(path("partial.mdb"),
               "CREATE TABLE word0 (word TEXT, ans TEXT, c1 TEXT, c2 TEXT, c3 TEXT, ref TEXT);"
               "CREATE INDEX other ON word0 (ans);"
               "CREATE TABLE word9 (word TEXT, ans TEXT, c1 TEXT, c2 TEXT, c3 TEXT);"
               "INSERT INTO word0 VALUES ('a','b','c','d','e','f');");
        const QByteArray before = fileBytes(path("partial.mdb"));
        auto db = openDb(path("partial.mdb"));
        QVERIFY(errorOf([&] { db->OpenRecordset("nosuch"); }).find("'nosuch' not found") !=
                std::string::npos);
        QVERIFY(errorOf([&] { db->OpenRecordset("word9"); }).find("no field 'ref'") !=
                std::string::npos);
        QVERIFY(errorOf([&] { db->OpenRecordset("word0", 2); }).find("dbOpenTable") !=
                std::string::npos);
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
            rs->Index(std::string(level.index));
            QCOMPARE(&levelDatabaseForEditorCode(level.editorCode()), &level);
            // An existing file, even a word database, is never overwritten.
            addRow(*rs, sampleRecord("kept"));
            db->Close();
            const QByteArray before = fileBytes(file);
            QVERIFY(errorOf([&] {
                        createLevelDatabase(file.toStdString(), level.level);
                    }).find("already exists") != std::string::npos);
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
