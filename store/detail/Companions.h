#pragma once
// Journal files left beside a word file. A program that ends in the middle
// of a change leaves its journal (-journal) or, in older versions, its
// write-ahead log (-wal) beside the file, and SQLite applies whatever it
// finds there without asking whose it is. So before SQLite sees the file,
// such a companion is tried on a private copy and left for SQLite only when
// the result is this file, whole. One that is not is renamed
// "<name>.foreign" (never deleted: it may hold someone's words) and the
// user is told.

#include <string>

namespace lexitor::store {

// `path` is the canonical path of the word file, `name` the name the user
// knows it by; `canFinish` whether the file and its folder may be written,
// as finishing or setting aside a companion needs.
void checkCompanions(const std::string& path, const std::string& name, bool canFinish);

} // namespace lexitor::store
