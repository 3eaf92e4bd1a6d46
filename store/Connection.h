#pragma once
// One open SQLite connection to a word database file, shared by the
// Database that opened it and the recordsets opened from it.

#include "store/Statement.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace lexitor::store {

class TableOrder;

class Connection {
public:
    // Opens an existing file for reading and writing; never creates one.
    // `name` is the name the caller gave, used in error texts.
    Connection(const std::string& path, std::string name);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }
    bool isOpen() const { return db_ != nullptr; }
    void close();

    // A prepared statement kept for the life of the connection.
    Statement& statement(const std::string& sql);
    // Runs SQL text without values (pragmas, schema, transaction control).
    void exec(const std::string& sql);
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;

    // Switches the file to its write-ahead journal before its first change,
    // so that opening and refusing a file never writes to it.
    void prepareWrite();

    bool inTransaction() const { return inTransaction_; }
    void begin();
    void commit();
    void rollback();
    // Remembers a table order changed inside the running transaction.
    void touched(const std::shared_ptr<TableOrder>& order);

    [[noreturn]] void fail(const std::string& what) const;

private:
    void forgetTouched();

    sqlite3* db_ = nullptr;
    std::string path_;
    std::string name_;
    bool walReady_ = false;
    bool inTransaction_ = false;
    std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;
    std::vector<std::weak_ptr<TableOrder>> touched_;
};

} // namespace lexitor::store
