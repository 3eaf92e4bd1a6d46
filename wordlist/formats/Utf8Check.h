#pragma once
// Strict UTF-8 validation: no overlong forms, no surrogates, nothing past
// U+10FFFF, no truncated sequences.

#include "wordlist/formats/WordList.h"

#include <QByteArrayView>
#include <QIODevice>

#include <optional>
#include <vector>

namespace lexitor::wordlist {

// The offset of the first byte that does not start a well-formed sequence.
std::optional<qsizetype> firstInvalidUtf8(QByteArrayView bytes);

// The 1-based line that holds `offset`.
int lineAtOffset(QByteArrayView bytes, qsizetype offset);

// A word list's bytes without a leading byte order mark (spreadsheets write
// one); std::nullopt, after adding to `issues` where they stop being UTF-8.
std::optional<QByteArrayView> listText(QByteArrayView bytes, std::vector<ListIssue>& issues);

// The same check over a file read from a device a piece at a time: where
// it stops being UTF-8, or nullopt when it is UTF-8 throughout.
std::optional<ListIssue> notUtf8(QIODevice& device);

} // namespace lexitor::wordlist
