#pragma once
// The checks a file passes before it is opened as a word database, and
// the schema checks after. None of them writes to the file.

#include <memory>
#include <string>
#include <vector>

namespace lexitor::store {

class Connection;
class SharedDescriptor;

struct WordFile {
    std::string path;     // canonical
    std::string readOnly; // why it cannot be changed; empty when it can
    bool writeAheadMode = false; // left so by an older version or another program
    std::shared_ptr<SharedDescriptor> descriptor;
};

// `name` resolved against the working directory, once it is known to be an
// existing, readable regular file that starts like an SQLite database, and
// whether it and its folder may be written. Throws EngineError otherwise.
WordFile checkWordFile(const std::string& name);

// Throws EngineError unless the file holds a table with the six word
// fields and an index on it.
void checkWordSchema(Connection& connection);

// The table's name as the file spells it; throws when there is no such
// table or a word field is missing.
std::string checkWordTable(Connection& connection, const std::string& table);

// Throws when `table` has no index named `index`.
void checkIndex(Connection& connection, const std::string& table, const std::string& index);

} // namespace lexitor::store
