#pragma once
// Writing a level as KVTML 2.0, which the KDE education programs read: two
// identifiers (word, meaning); each row one entry whose translation 0 holds
// the word and ref as its example, and translation 1 the answer with the
// non-blank c1..c3 as its multiple-choice choices; one lesson named after
// the level holding every entry.

#include "wordlist/formats/WordList.h"

#include <QByteArray>

namespace lexitor::wordlist {

// Appends the document for the rows of `level` (each word, ans, c1, c2, c3,
// ref) to `out`; on a text XML cannot hold (a control character), returns
// the problem and `out` is incomplete.
std::optional<WriteProblem> writeKvtml(const std::vector<Fields>& rows, int level,
                                       QByteArray& out);

} // namespace lexitor::wordlist
