#pragma once
// Comma-separated word lists after RFC 4180: rows end in CRLF (LF is read
// too), a field holding a comma, quote, tab or line break is quoted with
// its quotes doubled. An unquoted empty field is a null; "" is an empty text.

#include "wordlist/formats/WordList.h"

#include <QByteArray>
#include <QByteArrayView>

namespace lexitor::wordlist {

// Splits `text` (already checked to be UTF-8), whose first line is line
// `firstLine` of its file, into rows; empty lines outside quotes are
// skipped.
ParsedList parseCsv(QByteArrayView text, int firstLine = 1);

// Appends `rows` to `out`. CSV holds every value, so nothing is refused.
void writeCsv(const std::vector<Fields>& rows, QByteArray& out);

} // namespace lexitor::wordlist
