#include "StoreFixtures.h"

#include "support/WordFiles.h"

#include <QTest>

#include <sqlite3.h>

namespace lexitor::testing {

void runSql(const QString& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        QFAIL("cannot open a plain SQLite file");
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, message.c_str());
}

std::string firstValue(const QString& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    std::string value;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0))
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

std::unique_ptr<Database> openDb(const QString& path) {
    return DBEngine::instance().OpenDatabase(path.toStdString());
}

WordRecord sampleRecord(const std::string& word) {
    return {word, word + "-ans", word + "-c1", word + "-c2", word + "-c3", word + "-ref"};
}

void makeLevelFile(const QString& path, int level, const std::vector<std::string>& words) {
    createLevelDatabase(path.toStdString(), level);
    std::vector<WordRecord> rows;
    for (const auto& word : words)
        rows.push_back(sampleRecord(word));
    addRows(path, level, rows);
}

std::vector<std::string> walk(Recordset& rs) {
    std::vector<std::string> words;
    if (rs.RecordCount() == 0)
        return words;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        words.push_back(rs.Field("word").value_or("<null>"));
    return words;
}

std::string errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RecoverableError& error) {
        static const char* const kinds[] = {"RowChanged", "RowGone", "Busy", "ReadOnly",
                                            "DiskFull"};
        return std::string(kinds[static_cast<int>(error.kind())]) + ": " + error.what();
    } catch (const EngineError& error) {
        return error.what();
    }
    return {};
}

} // namespace lexitor::testing
