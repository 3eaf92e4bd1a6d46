#pragma once
// Tab-separated word lists: one row a line (LF or CRLF), fields separated by
// tabs, texts verbatim, and \N alone in a field for a null. A text cannot
// hold a tab or a line break, nor be exactly \N.

#include "wordlist/formats/WordList.h"

#include <QByteArray>
#include <QByteArrayView>

namespace lexitor::wordlist {

inline constexpr std::string_view kTsvNull = "\\N";

// Splits `text` (already checked to be UTF-8), whose first line is line
// `firstLine` of its file, into rows; empty lines are skipped.
ParsedList parseTsv(QByteArrayView text, int firstLine = 1);

// Appends `rows` to `out`; on a value TSV cannot hold, returns the problem
// and `out` is incomplete.
std::optional<WriteProblem> writeTsv(const std::vector<Fields>& rows, QByteArray& out);

} // namespace lexitor::wordlist
