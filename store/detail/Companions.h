#pragma once
// Journal files left beside a word file. A program that ends in the middle
// of a change leaves its journal (-journal) or, in older versions, its
// write-ahead log (-wal) beside the file, and SQLite applies whatever it
// finds there without asking whose it is. So before SQLite sees the file,
// a journal that SQLite itself calls unfinished is tried on a private copy
// and left for SQLite only when it is proved to belong to this file, in
// this state (Companions.cpp says how). One that is not is renamed
// "<name>.foreign" (never deleted: it may hold someone's words) and the
// user is told. Where the folder may not be written, nothing can be
// finished or set aside: the words are then read from a private copy.

#include <memory>
#include <optional>
#include <string>

namespace lexitor::store {

class LockWait;
struct WordFile;

// A copy of a word file to read instead of the file itself.
struct PrivateCopy {
    std::string path;
    std::shared_ptr<void> folder; // removed with the copy when the last user is done
    std::string why;              // why it cannot be changed
};

// `name` is the name the user knows the file by; notices go to `notices`.
std::optional<PrivateCopy> checkCompanions(const WordFile& file, const std::string& name,
                                           const LockWait& notices);

} // namespace lexitor::store
