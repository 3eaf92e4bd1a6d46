#pragma once
// The checks a file passes before it is opened as a word database, and
// the schema checks after. None of them writes to the file.

#include <string>
#include <vector>

namespace lexitor::store {

class Connection;

// The absolute path of `name` resolved against the working directory, once
// it is known to be an existing, readable and writable regular file that
// starts like an SQLite database. Throws EngineError otherwise.
std::string checkWordFile(const std::string& name);

// Throws EngineError unless the file holds a table with the six word
// fields and an index on it.
void checkWordSchema(Connection& connection);

// The table's name as the file spells it; throws when there is no such
// table or a word field is missing.
std::string checkWordTable(Connection& connection, const std::string& table);

// Throws when `table` has no index named `index`.
void checkIndex(Connection& connection, const std::string& table, const std::string& index);

} // namespace lexitor::store
