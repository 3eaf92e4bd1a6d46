#include "store/detail/Connection.h"

#include "store/detail/Failure.h"
#include "store/detail/LockWait.h"
#include "store/detail/TableOrder.h"

#include <sqlite3.h>

#include <QUrl>

#include <algorithm>
#include <limits>
#include <utility>

namespace lexitor::store {

Connection::Connection(const std::string& path, std::string name, std::string readOnly,
                       bool immutable)
    : path_(path), name_(std::move(name)), readOnly_(std::move(readOnly)) {
    int flags =
        SQLITE_OPEN_NOMUTEX | (readOnly_.empty() ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY);
    std::string target = path;
    if (immutable) {
        flags |= SQLITE_OPEN_URI;
        target = QUrl::fromLocalFile(QString::fromStdString(path)).toEncoded().toStdString() +
                 "?immutable=1";
    }
    const int rc = sqlite3_open_v2(target.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::unique_ptr<sqlite3, decltype(&sqlite3_close)> failed(db_, &sqlite3_close);
        db_ = nullptr;
        throwFailure(failed.get(), rc, name_);
    }
    sqlite3_extended_result_codes(db_, 1);
    installLockWait(db_);
    try {
        exec("PRAGMA synchronous=EXTRA");
        dataVersionQuery_ = &statement("PRAGMA data_version");
        sqlite3_file_control(db_, "main", SQLITE_FCNTL_FILE_POINTER, &file_);
        refresh();
    } catch (...) {
        close();
        throw;
    }
}

Connection::~Connection() {
    close();
}

void Connection::close() {
    if (!db_) {
        return;
    }
    abandon();
    inTransaction_ = false;
    forgetOrders();
    orders_.clear();
    dataVersionQuery_ = nullptr;
    file_ = nullptr;
    statements_.clear();
    sqlite3_close(db_);
    db_ = nullptr;
}

Statement& Connection::statement(const std::string& sql) {
    if (!db_) {
        throw EngineError("The database '" + name_ + "' is closed.");
    }
    auto& slot = statements_[sql];
    if (!slot) {
        try {
            slot = std::make_unique<Statement>(db_, sql, name_);
        } catch (...) {
            statements_.erase(sql);
            throw;
        }
    }
    return *slot;
}

void Connection::exec(const std::string& sql) {
    if (!db_) {
        throw EngineError("The database '" + name_ + "' is closed.");
    }
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
    endLockWait();
    if (rc != SQLITE_OK) {
        throwFailure(db_, rc, name_);
    }
}

int Connection::changes() const {
    return db_ ? sqlite3_changes(db_) : 0;
}

void Connection::settleJournal() {
    {
        Query query(statement("PRAGMA journal_mode"));
        if (!query->step() || query->text(0) != std::string("wal") || !readOnly_.empty()) {
            return;
        }
    }
    Query query(statement("PRAGMA journal_mode=DELETE"));
    if (!query->step() || query->text(0) != std::string("delete")) {
        throw EngineError("'" + name_ +
                          "' is in use by another program that keeps it in write-ahead mode "
                          "(an older Lexitor, or a database tool). Close it and try again.");
    }
}

std::shared_ptr<TableOrder> Connection::order(const std::string& table) {
    auto& slot = orders_[table];
    if (!slot) {
        slot = std::make_shared<TableOrder>(table);
    }
    return slot;
}

// With a rollback journal SQLite counts every commit, by any connection,
// in the file's header: one read of it tells whether the file changed,
// much faster than a query. In write-ahead mode (another program may
// switch the file to it) only SQLite's data version tells.
long long Connection::changeCount() {
    if (!dataVersionQuery_) {
        throw EngineError("The database '" + name_ + "' is closed.");
    }
    unsigned char header[10] = {}; // bytes 18..27: the journal mode .. the commit count
    if (file_ && file_->pMethods->xRead(file_, header, sizeof header, 18) == SQLITE_OK &&
        header[0] == 1) {
        countedInHeader_ = true;
        return static_cast<long long>(header[6]) << 24 | header[7] << 16 | header[8] << 8 |
               header[9];
    }
    countedInHeader_ = false;
    Query query(*dataVersionQuery_);
    query->step();
    return -1 - query->integer(0);
}

void Connection::refresh() {
    const long long version = changeCount();
    if (version != dataVersion_) {
        dataVersion_ = version;
        forgetOrders();
    }
}

void Connection::committed() {
    // Our own commit, counted by SQLite in the header: no one else's change.
    if (countedInHeader_) {
        dataVersion_ = (dataVersion_ + 1) & 0xffffffff;
    }
}

void Connection::requireWritable() const {
    if (!readOnly_.empty()) {
        throw readOnlyError(name_, readOnly_);
    }
}

long long Connection::newRowId(const std::string& table) {
    if (!rowIdTableReady_) {
        exec("CREATE TABLE IF NOT EXISTS lexitor_rowids (tbl TEXT PRIMARY KEY, "
             "highest INTEGER NOT NULL)");
        rowIdTableReady_ = true;
    }
    Query query(statement("SELECT max(coalesce((SELECT max(rowid) FROM " + quotedName(table) +
                          "), 0), coalesce((SELECT highest FROM lexitor_rowids WHERE tbl=?), 0))"));
    query->bind(1, table);
    query->step();
    const long long highest = std::max(query->integer(0), handedOut_[table]);
    if (highest == std::numeric_limits<long long>::max()) {
        throw EngineError("Table '" + table + "' has no room for another row.");
    }
    return highest + 1;
}

void Connection::recordRowId(const std::string& table, long long rowId) {
    handedOut_[table] = std::max(handedOut_[table], rowId);
    Query query(statement("INSERT OR REPLACE INTO lexitor_rowids (tbl, highest) VALUES (?, ?)"));
    query->bind(1, table);
    query->bind(2, rowId);
    query->step();
}

void Connection::beginWrite() {
    requireWritable();
    exec("BEGIN IMMEDIATE");
    try {
        refresh();
        countChange();
    } catch (...) {
        abandon();
        throw;
    }
}

void Connection::begin() {
    if (inTransaction_) {
        throw EngineError("A transaction is already running on '" + name_ + "'.");
    }
    beginWrite();
    inTransaction_ = true;
}

void Connection::commit() {
    if (!inTransaction_) {
        throw EngineError("No transaction is running on '" + name_ + "'.");
    }
    exec("COMMIT");
    inTransaction_ = false;
    committed();
}

void Connection::rollback() noexcept {
    if (!inTransaction_) {
        return;
    }
    inTransaction_ = false;
    // The orders kept step with rows that are now undone.
    forgetOrders();
    abandon();
}

void Connection::abandon() noexcept {
    rowIdTableReady_ = false;
    if (db_ && !sqlite3_get_autocommit(db_)) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        endLockWait();
    }
}

void Connection::countChange() {
    long long changes = 0;
    {
        Query query(statement("PRAGMA user_version"));
        query->step();
        changes = query->integer(0);
    }
    // A number of our own: no user text goes into this SQL.
    exec("PRAGMA user_version=" + std::to_string((changes + 1) & 0x7fffffff));
}

void Connection::forgetOrders() {
    for (auto& [table, order] : orders_) {
        order->invalidate();
    }
}

WriteScope::WriteScope(Connection& connection) : connection_(connection) {
    if (connection.inTransaction()) {
        connection.refresh();
    } else {
        connection.beginWrite();
        own_ = true;
    }
}

WriteScope::~WriteScope() {
    if (own_) {
        connection_.abandon();
    }
}

void WriteScope::commit() {
    if (own_) {
        connection_.exec("COMMIT");
        own_ = false;
        connection_.committed();
    }
}

} // namespace lexitor::store
