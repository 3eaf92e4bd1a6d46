#pragma once
// What a failed SQLite call means for the user: the one place where result
// codes and system error numbers become the store's errors.

#include "store/Engine.h"

#include <string>

struct sqlite3;

namespace lexitor::store {

// Throws the error for the call on `db` that failed with result code `rc`,
// on the file the user knows as `name`: a RecoverableError for a lock held
// too long, a file that can only be read or a full disk; an EngineError
// naming the cause otherwise.
[[noreturn]] void throwFailure(sqlite3* db, int rc, const std::string& name);

// A change refused because the file can only be read; `why` says why.
RecoverableError readOnlyError(const std::string& name, const std::string& why);

} // namespace lexitor::store
