#include "store/detail/FileCheck.h"

#include "store/FileKind.h"
#include "store/MessageText.h"
#include "store/WordRecord.h"
#include "store/detail/Connection.h"
#include "store/detail/SharedDescriptor.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

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
    for (const WordField& field : kWordFields) {
        if (std::none_of(columns.begin(), columns.end(),
                         [&field](const std::string& c) { return sameName(c, field.name); })) {
            return std::string(field.name);
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

// Checked by mode bits as well as by access(), since a superuser passes
// access() anyway and would otherwise write where nobody is meant to.
bool allowed(const struct stat& st, const std::string& path, mode_t bits, int mode) {
    return (st.st_mode & bits) != 0 && ::access(path.c_str(), mode) == 0;
}

WordFile checkWordFile(const std::string& given) {
    const QString cwd = QDir::currentPath();
    const QFileInfo info(QDir::current(), QString::fromStdString(given));
    const std::string name = excerptPath(given);
    const std::string path = info.absoluteFilePath().toStdString();
    const std::string folder = excerptPath(info.absolutePath().toStdString());
    struct stat st {};
    struct stat folderStat {};
    const bool folderFound = ::stat(info.absolutePath().toUtf8().constData(), &folderStat) == 0;
    const bool folderOpen =
        folderFound && allowed(folderStat, info.absolutePath().toStdString(), 0111, X_OK);
    if (name.empty() || ::stat(path.c_str(), &st) != 0) {
        if (!name.empty() && (errno == EACCES || (folderFound && !folderOpen))) {
            throw EngineError("Cannot open the word database '" + name +
                              "': no permission to open its folder '" + folder + "'.");
        }
        throw EngineError("Cannot find the word database file '" + name +
                          "' (working directory: " + excerptPath(cwd.toStdString()) + ").");
    }
    if (const auto refused = notARegularFile(path)) {
        throw EngineError(sentence(*refused + " It cannot be opened as a word database"));
    }
    if (!folderOpen) {
        throw EngineError("Cannot open the word database '" + name +
                          "': no permission to open its folder '" + folder + "'.");
    }
    if (!allowed(st, path, S_IRUSR | S_IRGRP | S_IROTH, R_OK)) {
        throw EngineError("Cannot read the word database '" + name +
                          "': the file has no read permission.");
    }
    if (st.st_size == 0) {
        throw EngineError("'" + name + "' is empty (0 bytes), not a word database.");
    }
    std::string why;
    auto descriptor = SharedDescriptor::open(path, why);
    if (!descriptor) {
        throw EngineError(why);
    }
    static const char magic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                   'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    char header[20] = {};
    if (!descriptor->read(header, sizeof header, 0) ||
        std::memcmp(header, magic, sizeof magic) != 0) {
        // A Jet file still here is one the conversion at start refused.
        static const char jet[13] = {'\0', '\1', '\0', '\0', 'S', 't', 'a',
                                     'n',  'd',  'a',  'r',  'd',  ' '};
        if (std::memcmp(header, jet, sizeof jet) == 0) {
            throw EngineError("'" + name +
                              "' is a Jet word file that Lexitor has not brought across to its "
                              "own format; the message at start, or lexitor-words convert, "
                              "tells why.");
        }
        throw EngineError("'" + name +
                          "' is not a word database at all (it is not a database file).");
    }
    WordFile checked{info.canonicalFilePath().toStdString(), {}, header[18] == 2,
                     std::move(descriptor)};
    // Changing a file needs its folder too, for the journal beside it.
    if (!allowed(st, path, S_IWUSR | S_IWGRP | S_IWOTH, W_OK)) {
        checked.readOnly = "the file is read-only";
    } else if (!allowed(folderStat, info.absolutePath().toStdString(), S_IWUSR | S_IWGRP | S_IWOTH,
                        W_OK)) {
        checked.readOnly = "its folder '" + folder + "' is read-only";
    }
    return checked;
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
        throw EngineError("Table '" + excerpt(table) + "' not found in '" + connection.name() +
                          "'.");
    }
    if (const auto field = missingField(connection, *actual); !field.empty()) {
        throw EngineError("Table '" + excerpt(table) + "' in '" + connection.name() +
                          "' has no field '" + field + "'.");
    }
    return *actual;
}

void checkIndex(Connection& connection, const std::string& table, const std::string& index) {
    Query query(connection.statement("SELECT 1 FROM sqlite_schema WHERE type='index' AND "
                                     "name=? COLLATE NOCASE AND tbl_name=? COLLATE NOCASE"));
    query->bind(1, index);
    query->bind(2, table);
    if (!query->step()) {
        throw EngineError("Unknown index '" + excerpt(index) + "' on table '" + excerpt(table) +
                          "'.");
    }
}

} // namespace lexitor::store
