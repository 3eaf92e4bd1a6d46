#pragma once
// Strict UTF-8 validation: no overlong forms, no surrogates, nothing past
// U+10FFFF, no truncated sequences.

#include <QByteArrayView>

#include <optional>

namespace lexitor::tools::wordlist {

// The offset of the first byte that does not start a well-formed sequence.
std::optional<qsizetype> firstInvalidUtf8(QByteArrayView bytes);

// The 1-based line that holds `offset`.
int lineAtOffset(QByteArrayView bytes, qsizetype offset);

} // namespace lexitor::tools::wordlist
