#pragma once
// How messages quote what a user or a file gave them: a long text is cut,
// and a sentence built from pieces ends in exactly one stop.

#include <cstddef>
#include <string>
#include <string_view>

namespace lexitor::store {

// `text` (UTF-8) as a message shows it: at most `limit` characters, cut at
// a whole character with "…" after it, and control characters shown as
// blanks so that a damaged file cannot break a message's lines.
std::string excerpt(std::string_view text, std::size_t limit = 60);

// A path as a message shows it: at most `limit` characters, a long one cut
// at its start ("…/folder/word1.mdb"), since its end names the file.
std::string excerptPath(std::string_view path, std::size_t limit = 80);

// `text` with exactly one stop at its end: "denied." stays, "denied" and
// "denied.." become "denied.", and a question or exclamation is kept.
std::string sentence(std::string_view text);

} // namespace lexitor::store
