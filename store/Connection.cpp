#include "store/Connection.h"

#include "store/TableOrder.h"

#include <sqlite3.h>

#include <utility>

namespace lexitor::store {

Connection::Connection(const std::string& path, std::string name)
    : path_(path), name_(std::move(name)) {
    const int rc =
        sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw EngineError("Cannot open the word database '" + name_ + "': " + message + ".");
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 2000);
}

Connection::~Connection() {
    close();
}

void Connection::close() {
    if (!db_) {
        return;
    }
    if (inTransaction_) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        inTransaction_ = false;
        forgetTouched();
    }
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
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw EngineError("Database '" + name_ + "': " + message + ".");
    }
}

int Connection::changes() const {
    return db_ ? sqlite3_changes(db_) : 0;
}

void Connection::prepareWrite() {
    if (walReady_ || inTransaction_) {
        return;
    }
    Query query(statement("PRAGMA journal_mode=WAL"));
    if (!query->step() || query->text(0) != std::string("wal")) {
        fail("cannot switch to the write-ahead journal");
    }
    walReady_ = true;
}

void Connection::begin() {
    if (inTransaction_) {
        throw EngineError("A transaction is already running on '" + name_ + "'.");
    }
    prepareWrite();
    exec("BEGIN IMMEDIATE");
    inTransaction_ = true;
}

void Connection::commit() {
    if (!inTransaction_) {
        throw EngineError("CommitTrans without BeginTrans on '" + name_ + "'.");
    }
    exec("COMMIT");
    inTransaction_ = false;
    touched_.clear();
}

void Connection::rollback() {
    if (!inTransaction_) {
        throw EngineError("Rollback without BeginTrans on '" + name_ + "'.");
    }
    inTransaction_ = false;
    try {
        exec("ROLLBACK");
    } catch (...) {
        forgetTouched();
        throw;
    }
    forgetTouched();
}

void Connection::touched(const std::shared_ptr<TableOrder>& order) {
    if (inTransaction_) {
        touched_.push_back(order);
    }
}

// The orders changed inside a transaction that did not commit no longer
// match the file; they reload on their next use.
void Connection::forgetTouched() {
    for (const auto& weak : touched_) {
        if (auto order = weak.lock()) {
            order->invalidate();
        }
    }
    touched_.clear();
}

void Connection::fail(const std::string& what) const {
    const std::string detail = db_ ? sqlite3_errmsg(db_) : "not open";
    throw EngineError("Database '" + name_ + "': " + what + " (" + detail + ").");
}

} // namespace lexitor::store
