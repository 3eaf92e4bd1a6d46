#pragma once
// What a rollback journal holds, read as SQLite's file format describes it:
// a header (its magic, a record count, the nonce that seeds the records'
// checksums, the file's size in pages before the change, the sector and
// page size), then records of a page number, the page as it was and a
// checksum; a journal synced more than once holds another header at the
// next sector boundary for each time. Only the records SQLite would give
// back to the file are taken.

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace lexitor::store {

struct JournalContent {
    std::uint32_t nonce = 0;       // of the first header
    std::set<std::uint32_t> pages; // the pages it gives back
    // SQLite's file change counter in its copy of page 1, when it has one.
    std::optional<std::uint32_t> pageOneCounter;
};

// The content of the journal at `path`, or nullopt when SQLite would not
// apply it (no magic, unreadable, not a regular file).
std::optional<JournalContent> readJournal(const std::string& path);

} // namespace lexitor::store
