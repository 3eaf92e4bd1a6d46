#pragma once
// Which file a word database is, and which of its states: a table of the
// store's own, lexitor_file, of one row: a random identity given when the
// file is made or first written by the store, the number of changes the
// store has begun on it, and the number SQLite wrote into the header of the
// rollback journal of the last of them (the journal's random nonce). Every
// write of the store stamps the row first, so that its page is in every
// journal the store leaves: such a journal then tells from which state of
// which file it was taken (Companions.h). Other programs may read and write
// the file as they like; they have no reason to touch this table.

#include <cstdint>
#include <optional>
#include <string>

namespace lexitor::store {

class Connection;

inline constexpr const char* kIdentityTable = "lexitor_file";

struct FileIdentity {
    std::string id;
    long long changes = 0;
    long long journal = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The row, or nullopt for a file without the table (made elsewhere, or
// never written by the store) or with a damaged one.
std::optional<FileIdentity> readIdentity(Connection& connection);
// The page that holds the row (the table's root), or 0 without the table.
long long identityPage(Connection& connection);
// Makes the table and its row, inside a running write.
void makeIdentity(Connection& connection);
// Counts a change beginning: the first thing inside every write.
void stampChange(Connection& connection);

} // namespace lexitor::store
