#pragma once
// One open SQLite connection to a word database file, shared by the
// Database that opened it and the recordsets opened from it, with the
// walking orders of its tables.
//
// Every change is committed with a rollback journal and extra sync before
// the call returns, so the file alone holds every change the moment no
// write is running: a copy of the .mdb file is a whole backup.

#include "store/detail/Statement.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

struct sqlite3;

namespace lexitor::store {

class FolderAlias;
class LockWait;
class SharedDescriptor;
class TableOrder;

struct ConnectionOptions {
    // Why the file cannot be changed; empty when it can.
    std::string readOnly;
    std::shared_ptr<const EngineSettings> settings;
    // The file's descriptor, when the caller has it open already.
    std::shared_ptr<SharedDescriptor> descriptor;
    // Kept as long as the connection lives (a private copy's folder).
    std::shared_ptr<void> keep;
};

class Connection {
public:
    // Opens an existing file, `path` absolute; never creates one. `name` is
    // the name the caller gave, used in error texts. A non-empty
    // `options.readOnly` opens it for reading only.
    Connection(const std::string& path, std::string name, ConnectionOptions options = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }
    bool isOpen() const { return db_ != nullptr; }
    void close();
    const LockWait& lockWait() const { return *wait_; }

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
    // The nonce in the header of the journal beside the file (0 without
    // one): the number SQLite gives each journal it starts.
    std::uint32_t journalNonce() const;
    // A rowid for a new row of `table`, inside the running write: above
    // every rowid the table holds and every one it ever handed out, so a
    // rowid another program may still hold never names another word.
    long long newRowId(const std::string& table);
    void recordRowId(const std::string& table, long long rowId);

    // A write of its own, without a transaction: BEGIN IMMEDIATE, after
    // which the connection has looked for other writers and stamped the
    // change (FileIdentity.h); undone by abandon(), whatever fails.
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
    void forgetOrders();
    long long changeCount();
    // The change count as the file holds it under a read lock.
    long long settledChangeCount();
    // Gives the file its identity, in a commit of its own, if it has none.
    void ensureIdentity();

    sqlite3* db_ = nullptr;
    std::string path_;
    std::string name_;
    std::string readOnly_;
    std::unique_ptr<LockWait> wait_;
    std::unique_ptr<FolderAlias> folder_;
    std::shared_ptr<SharedDescriptor> descriptor_;
    std::shared_ptr<void> keep_;
    bool inTransaction_ = false;
    bool rowIdTableReady_ = false;
    bool identityReady_ = false;
    long long dataVersion_ = 0;
    bool countedInHeader_ = false;
    Statement* dataVersionQuery_ = nullptr;
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
