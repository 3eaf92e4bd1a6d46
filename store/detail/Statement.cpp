#include "store/detail/Statement.h"

#include "store/WordRecord.h"
#include "store/detail/Failure.h"
#include "store/detail/LockWait.h"

#include <sqlite3.h>

#include <utility>

namespace lexitor::store {

std::string quotedName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::string fieldList(std::string_view between, std::string_view after) {
    std::string out;
    for (const WordField& field : kWordFields) {
        out += out.empty() ? std::string_view() : between;
        out += field.name;
        out += after;
    }
    return out;
}

Statement::Statement(sqlite3* db, const std::string& sql, std::string file, LockWait* wait)
    : db_(db), file_(std::move(file)), wait_(wait) {
    const int rc = sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    endWait();
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throwFailure(db, rc, file_);
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::endWait() {
    if (wait_)
        wait_->end();
}

void Statement::checkBound(int rc) {
    if (rc != SQLITE_OK)
        throwFailure(db_, rc, file_);
}

void Statement::bind(int index, const FieldValue& value) {
    if (value) {
        bind(index, std::string_view(*value));
    } else {
        checkBound(sqlite3_bind_null(stmt_, index));
    }
}

void Statement::bind(int index, std::string_view text) {
    // A non-null pointer even for "" so that an empty text stays apart from a null.
    checkBound(sqlite3_bind_text64(stmt_, index, text.empty() ? "" : text.data(), text.size(),
                                   SQLITE_TRANSIENT, SQLITE_UTF8));
}

void Statement::bind(int index, long long value) {
    checkBound(sqlite3_bind_int64(stmt_, index, value));
}

void Statement::bind(int index, double value) {
    checkBound(sqlite3_bind_double(stmt_, index, value));
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    endWait();
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    sqlite3_reset(stmt_);
    throwFailure(db_, rc, file_);
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

FieldValue Statement::text(int column) const {
    if (sqlite3_column_type(stmt_, column) == SQLITE_NULL) {
        return std::nullopt;
    }
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return data ? std::string(data, static_cast<std::size_t>(size)) : std::string();
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

double Statement::real(int column) const {
    return sqlite3_column_double(stmt_, column);
}

} // namespace lexitor::store
