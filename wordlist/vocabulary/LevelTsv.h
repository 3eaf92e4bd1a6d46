#pragma once
// Writes a generated level in the word-list import format: UTF-8, a header
// row, tab-separated fields, \N for a null.

#include "store/WordRecord.h"

#include <QString>

#include <optional>
#include <vector>

namespace lexitor::wordlist::vocabulary {

// The file's text; nothing when a field cannot be written (a tab, a line
// break, or the text \N), which `problem` then names.
std::optional<QByteArray> levelTsv(const std::vector<store::WordRecord>& records,
                                   QString* problem = nullptr);

// Writes the file whole or not at all; returns an error text on failure.
std::optional<QString> writeLevelTsv(const QString& path,
                                     const std::vector<store::WordRecord>& records);

} // namespace lexitor::wordlist::vocabulary
