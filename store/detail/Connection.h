#pragma once
// One open SQLite connection to a word database file, shared by the
// Database that opened it and the recordsets opened from it, with the
// walking orders of its tables.
//
// Every change is committed with a rollback journal and extra sync before
// the call returns, so the file alone holds every change the moment no
// write is running: a copy of the .mdb file is a whole backup.

#include "store/detail/Statement.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>

struct sqlite3;
struct sqlite3_file;

namespace lexitor::store {

class TableOrder;

class Connection {
public:
    // Opens an existing file; never creates one. `name` is the name the
    // caller gave, used in error texts. A non-empty `readOnly` (why the
    // file cannot be changed) opens it for reading only; `immutable` also
    // tells SQLite that nobody can change it (a folder nobody may write).
    Connection(const std::string& path, std::string name, std::string readOnly = {},
               bool immutable = false);
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

    // A file that an older version left in write-ahead mode goes back to
    // the rollback journal, its log written into it (when it may be changed).
    void settleJournal();

    // The walking orders of `table`, shared by its recordsets on this connection.
    std::shared_ptr<TableOrder> order(const std::string& table);
    // Looks whether another connection changed the file since the last
    // look; when one did, the orders are read again on their next use.
    void refresh();
    // Tells the connection that its own write transaction was committed.
    void committed();

    // Throws a RecoverableError when the file can only be read.
    void requireWritable() const;
    // A rowid for a new row of `table`, inside the running write: above
    // every rowid the table holds and every one it ever handed out, so a
    // rowid another program may still hold never names another word.
    long long newRowId(const std::string& table);
    void recordRowId(const std::string& table, long long rowId);

    // A write of its own, without a transaction: BEGIN IMMEDIATE, after
    // which the connection has looked for other writers and counted the
    // change; undone by abandon(), whatever fails.
    void beginWrite();
    // Undoes the running write, if any, without throwing.
    void abandon() noexcept;

    // The caller's transaction (Transaction.h), a write that spans calls.
    bool inTransaction() const { return inTransaction_; }
    void begin();
    void commit();
    // Undoes the caller's transaction, if one runs; never throws.
    void rollback() noexcept;

private:
    // Counts a change beginning, in the header's user version. Page 1,
    // which holds the header, is then the first page in the change's
    // journal, so a journal can be matched to its file (Companions.h).
    void countChange();
    void forgetOrders();
    long long changeCount();

    sqlite3* db_ = nullptr;
    std::string path_;
    std::string name_;
    std::string readOnly_;
    bool inTransaction_ = false;
    bool rowIdTableReady_ = false;
    long long dataVersion_ = 0;
    bool countedInHeader_ = false;
    Statement* dataVersionQuery_ = nullptr;
    sqlite3_file* file_ = nullptr;
    std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;
    std::map<std::string, std::shared_ptr<TableOrder>> orders_;
    // Rowids handed out here stay taken even when their rows are rolled back.
    std::map<std::string, long long> handedOut_;
};

// One change: inside the caller's transaction when one runs, otherwise a
// write of its own (beginWrite), committed by commit(). Either way the
// connection has looked for other writers first. Leaving the scope without
// commit() undoes what its own write wrote.
class WriteScope {
public:
    explicit WriteScope(Connection& connection);
    ~WriteScope();
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;

    void commit();

private:
    Connection& connection_;
    bool own_ = false;
};

} // namespace lexitor::store
