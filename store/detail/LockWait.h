#pragma once
// Waiting for another program's lock: SQLite's busy handler, bounded in
// time, telling the program through its hook when a wait starts and ends.

#include <string>

struct sqlite3;

namespace lexitor::store {

// Installs the bounded wait on a connection.
void installLockWait(sqlite3* db);
// Ends the wait the last SQLite call went through, if it waited.
void endLockWait();
// Passes a notice to the program's hook, or to standard error.
void notify(const std::string& text);

} // namespace lexitor::store
