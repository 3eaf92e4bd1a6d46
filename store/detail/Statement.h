#pragma once
// RAII wrappers for one prepared SQLite statement and for one use of it.

#include "store/Engine.h"

#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace lexitor::store {

// A table or column name for SQL text: in double quotes, any inside doubled.
std::string quotedName(std::string_view name);
// The word fields' names for SQL text, in table order, each followed by
// `after` and joined by `between`: fieldList(", ", " TEXT") gives
// "word TEXT, ans TEXT, c1 TEXT, c2 TEXT, c3 TEXT, ref TEXT".
std::string fieldList(std::string_view between, std::string_view after = {});

class LockWait;

class Statement {
public:
    // `file` names the database in error texts; `wait` is the connection's
    // bounded wait for other programs' locks.
    Statement(sqlite3* db, const std::string& sql, std::string file, LockWait* wait = nullptr);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // A value that SQLite refuses (out of memory, too big, no such
    // parameter) is an EngineError, never a silently unbound null.
    void bind(int index, const FieldValue& value);
    void bind(int index, std::string_view text);
    void bind(int index, const std::string& text) { bind(index, std::string_view(text)); }
    void bind(int index, long long value);
    void bind(int index, double value);
    // Steps once; true while a row is available. Throws EngineError on failure.
    bool step();
    void reset();

    FieldValue text(int column) const;
    long long integer(int column) const;
    double real(int column) const;

private:
    void checkBound(int rc);
    void endWait();

    sqlite3* db_ = nullptr;
    std::string file_;
    LockWait* wait_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

// One run of a cached statement: resets it and clears its bindings when the
// run ends, so no read transaction stays open behind the caller's back.
class Query {
public:
    explicit Query(Statement& statement) : statement_(statement) {}
    ~Query() { statement_.reset(); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Statement* operator->() { return &statement_; }
    Statement& operator*() { return statement_; }

private:
    Statement& statement_;
};

} // namespace lexitor::store
