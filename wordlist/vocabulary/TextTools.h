#pragma once
// Small text helpers shared by the readers and the filters. WordNet and
// SCOWL words are ASCII; anything else simply never counts as a letter.

#include <string>
#include <string_view>
#include <vector>

namespace lexitor::wordlist::vocabulary {

std::string_view trimmed(std::string_view text);

// Fields separated by runs of spaces (the data files' separator), into
// `fields`, which is cleared first: one buffer serves a whole file.
void splitSpaces(std::string_view text, std::vector<std::string_view>& fields);

// True when `text` holds no upper-case ASCII letter.
bool isLowerCase(std::string_view text);

// `text` with A to Z made lower case.
std::string lowerCase(std::string_view text);

// Only the letters a to z.
bool isPlainLowerWord(std::string_view text);

// The runs of ASCII letters in `text`, lower-cased: "Dog-like" -> dog, like.
std::vector<std::string> letterTokens(std::string_view text);

// The words of `text` for comparing meanings: runs of letters and digits,
// any byte of a non-ASCII character counting as a letter, ASCII lower-cased:
// "Word 12, Übung" -> word, 12, Übung.
std::vector<std::string> wordTokens(std::string_view text);

// True when `word` occurs in `text` as a whole word, ignoring case.
bool containsWholeWord(std::string_view text, std::string_view word);

} // namespace lexitor::wordlist::vocabulary
