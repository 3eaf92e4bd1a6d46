#include "store/FileCheck.h"

#include "store/Connection.h"
#include "store/WordRecord.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

namespace lexitor::store {

namespace {

bool sameName(const std::string& a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> columnsOf(Connection& connection, const std::string& table) {
    std::vector<std::string> columns;
    Query query(connection.statement("SELECT name FROM pragma_table_info(?)"));
    query->bind(1, table);
    while (query->step()) {
        columns.push_back(query->text(0).value_or(""));
    }
    return columns;
}

// The first word field that `table` lacks, or "" when it has them all.
std::string missingField(Connection& connection, const std::string& table) {
    const auto columns = columnsOf(connection, table);
    for (auto field : kWordFields) {
        if (std::none_of(columns.begin(), columns.end(),
                         [field](const std::string& c) { return sameName(c, field); })) {
            return std::string(field);
        }
    }
    return {};
}

bool hasAnyIndex(Connection& connection, const std::string& table) {
    Query query(connection.statement(
        "SELECT 1 FROM sqlite_schema WHERE type='index' AND tbl_name=? COLLATE NOCASE"));
    query->bind(1, table);
    return query->step();
}

} // namespace

std::string checkWordFile(const std::string& name) {
    const QString given = QString::fromStdString(name);
    const QString cwd = QDir::currentPath();
    const QFileInfo info(QDir::current(), given);
    const std::string path = info.absoluteFilePath().toStdString();
    struct stat st {};
    if (name.empty() || ::stat(path.c_str(), &st) != 0) {
        throw EngineError("Cannot find the word database file '" + name +
                          "' (working directory: " + cwd.toStdString() + ").");
    }
    if (S_ISDIR(st.st_mode)) {
        throw EngineError("'" + name + "' is a directory, not a word database file.");
    }
    if (!S_ISREG(st.st_mode)) {
        throw EngineError("'" + name + "' is not a regular file, so not a word database.");
    }
    // Checked by mode bits as well, since a superuser passes access() anyway.
    if ((st.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) == 0 || ::access(path.c_str(), R_OK) != 0) {
        throw EngineError("Cannot read the word database '" + name +
                          "': the file has no read permission.");
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0) {
        throw EngineError("Cannot write the word database '" + name +
                          "': the file has no write permission.");
    }
    if (st.st_size == 0) {
        throw EngineError("'" + name + "' is empty (0 bytes), not a word database.");
    }
    QFile file(QString::fromStdString(path));
    static const QByteArray magic("SQLite format 3\0", 16);
    if (!file.open(QIODevice::ReadOnly) || file.read(16) != magic) {
        throw EngineError("'" + name + "' is not a word database (not an SQLite database file).");
    }
    return info.canonicalFilePath().toStdString();
}

void checkWordSchema(Connection& connection) {
    std::vector<std::string> tables;
    {
        Query query(connection.statement(
            "SELECT name FROM sqlite_schema WHERE type='table' ORDER BY name"));
        while (query->step()) {
            tables.push_back(query->text(0).value_or(""));
        }
    }
    for (const auto& table : tables) {
        if (missingField(connection, table).empty() && hasAnyIndex(connection, table)) {
            return;
        }
    }
    throw EngineError("'" + connection.name() +
                      "' is not a word database: it holds no table with the fields word, ans, "
                      "c1, c2, c3 and ref and an index.");
}

std::string checkWordTable(Connection& connection, const std::string& table) {
    std::optional<std::string> actual;
    {
        Query query(connection.statement(
            "SELECT name FROM sqlite_schema WHERE type='table' AND name=? COLLATE NOCASE"));
        query->bind(1, table);
        if (query->step()) {
            actual = query->text(0);
        }
    }
    if (!actual) {
        throw EngineError("Table '" + table + "' not found in '" + connection.name() + "'.");
    }
    if (const auto field = missingField(connection, *actual); !field.empty()) {
        throw EngineError("Table '" + table + "' in '" + connection.name() + "' has no field '" +
                          field + "'.");
    }
    return *actual;
}

void checkIndex(Connection& connection, const std::string& table, const std::string& index) {
    Query query(connection.statement("SELECT 1 FROM sqlite_schema WHERE type='index' AND "
                                     "name=? COLLATE NOCASE AND tbl_name=? COLLATE NOCASE"));
    query->bind(1, index);
    query->bind(2, table);
    if (!query->step()) {
        throw EngineError("Unknown index '" + index + "' on table '" + table + "'.");
    }
}

} // namespace lexitor::store
