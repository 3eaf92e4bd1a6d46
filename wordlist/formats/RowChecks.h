#pragma once
// Lexitor's own rules for a row, as "Add Records" and the import apply them,
// for rows that come from any kind of file.

#include "wordlist/formats/WordListReader.h"

#include <QStringList>

namespace lexitor::wordlist {

// What is wrong with one row: a word or answer missing or shorter than 2
// characters, a null wrong meaning, a NUL character; empty when nothing.
QStringList rowProblems(const store::WordRecord& record);

// An issue for every row with a problem, and then for every row whose word
// (as the index compares words) an earlier good row already holds.
void checkRows(const std::vector<ListRow>& rows, Place place, std::vector<ListIssue>& issues);

// The rows that no issue names (an issue of item 0 names every row of its line).
std::vector<ListRow> rowsWithoutIssues(const std::vector<ListRow>& rows,
                                       const std::vector<ListIssue>& issues);

} // namespace lexitor::wordlist
