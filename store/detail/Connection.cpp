#include "store/detail/Connection.h"

#include "store/detail/Failure.h"
#include "store/detail/FileIdentity.h"
#include "store/detail/FolderAlias.h"
#include "store/detail/LockWait.h"
#include "store/detail/SharedDescriptor.h"
#include "store/detail/TableOrder.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace lexitor::store {

Connection::Connection(const std::string& path, std::string name, ConnectionOptions options)
    : path_(path), name_(std::move(name)), readOnly_(std::move(options.readOnly)),
      wait_(std::make_unique<LockWait>(std::move(options.settings))),
      folder_(std::make_unique<FolderAlias>(path)), descriptor_(std::move(options.descriptor)),
      keep_(std::move(options.keep)) {
    if (!descriptor_) {
        std::string why;
        descriptor_ = SharedDescriptor::open(path, why);
    }
    const int flags =
        SQLITE_OPEN_NOMUTEX | (readOnly_.empty() ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY);
    const int rc = sqlite3_open_v2(folder_->sqliteName().c_str(), &db_, flags, storeVfs());
    if (rc != SQLITE_OK) {
        std::unique_ptr<sqlite3, decltype(&sqlite3_close)> failed(db_, &sqlite3_close);
        db_ = nullptr;
        throwFailure(failed.get(), rc, name_);
    }
    sqlite3_extended_result_codes(db_, 1);
    wait_->install(db_);
    try {
        exec("PRAGMA synchronous=EXTRA");
        dataVersionQuery_ = &statement("PRAGMA data_version");
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
    statements_.clear();
    sqlite3_close(db_);
    db_ = nullptr;
    // Only now, with SQLite's locks released: see SharedDescriptor.h.
    descriptor_.reset();
    keep_.reset();
}

Statement& Connection::statement(const std::string& sql) {
    if (!db_) {
        throw EngineError("The database '" + name_ + "' is closed.");
    }
    auto& slot = statements_[sql];
    if (!slot) {
        try {
            slot = std::make_unique<Statement>(db_, sql, name_, wait_.get());
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
    wait_->end();
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
// in the file change counter of the file's header (documented in SQLite's
// file format): one read of it tells whether the file changed, many times
// faster than a query, which takes and releases SQLite's locks. In
// write-ahead mode (another program may switch the file to it) only
// SQLite's data version tells.
long long Connection::changeCount() {
    if (!dataVersionQuery_) {
        throw EngineError("The database '" + name_ + "' is closed.");
    }
    unsigned char header[10] = {}; // bytes 18..27: the journal mode .. the change counter
    if (descriptor_ && descriptor_->read(header, sizeof header, 18) && header[0] == 1) {
        countedInHeader_ = true;
        return static_cast<long long>(header[6]) << 24 | header[7] << 16 | header[8] << 8 |
               header[9];
    }
    countedInHeader_ = false;
    Query query(*dataVersionQuery_);
    query->step();
    return -1 - query->integer(0);
}

// Read while SQLite holds its read lock, the count names a committed state
// at least as old as anything read afterwards: a count read in the middle
// of another program's commit (undone if it is killed) never stands for the
// state the orders are loaded from.
long long Connection::settledChangeCount() {
    if (!sqlite3_get_autocommit(db_)) {
        return changeCount();
    }
    exec("BEGIN");
    try {
        {
            Query lock(*dataVersionQuery_);
            lock->step();
        }
        const long long count = changeCount();
        exec("COMMIT");
        return count;
    } catch (...) {
        abandon();
        throw;
    }
}

void Connection::refresh() {
    if (changeCount() != dataVersion_) {
        dataVersion_ = settledChangeCount();
        forgetOrders();
    }
}

void Connection::committed() {
    // Our own commit, counted by SQLite in the header: no one else's change.
    if (countedInHeader_) {
        dataVersion_ = (dataVersion_ + 1) & 0xffffffff;
    }
}

std::uint32_t Connection::journalNonce() const {
    const bool inFolder = folder_->folder() >= 0;
    const std::string journal = (inFolder ? folder_->fileName() : path_) + "-journal";
    const int fd = ::openat(inFolder ? folder_->folder() : AT_FDCWD, journal.c_str(),
                            O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        return 0;
    }
    unsigned char bytes[4] = {}; // bytes 12..15 of the journal's header
    const bool read = ::pread(fd, bytes, sizeof bytes, 12) == sizeof bytes;
    ::close(fd); // a journal holds no lock of SQLite's
    return read ? std::uint32_t(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3] : 0;
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
        ensureIdentity();
        stampChange(*this);
    } catch (...) {
        abandon();
        throw;
    }
}

void Connection::ensureIdentity() {
    if (identityReady_) {
        return;
    }
    if (!readIdentity(*this)) {
        makeIdentity(*this);
        exec("COMMIT");
        committed();
        exec("BEGIN IMMEDIATE");
        refresh();
    }
    identityReady_ = true;
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
    identityReady_ = false;
    if (db_ && !sqlite3_get_autocommit(db_)) {
        // A failed ROLLBACK leaves SQLite to undo the change: it does so
        // before the next statement, or from the journal at the next opening.
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        wait_->end();
    }
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
