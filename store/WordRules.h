#pragma once
// The two rules every place that takes, seeks or compares a word follows:
// whether a text is long enough, and whether two texts are the same word.
// Characters are counted as a reader sees them (grapheme clusters): "é"
// typed as e + combining accent is one character, and so is "😀".

#include <QStringView>

#include <string>
#include <string_view>

namespace lexitor::store {

inline constexpr int kShortestWord = 2;   // a new word, by screen or by import
inline constexpr int kShortestAnswer = 2; // its right answer
inline constexpr int kShortestChoice = 3; // a wrong choice the quiz shows as it is

// At least `minimum` characters once the blanks around it are removed.
bool isLongEnough(QStringView text, int minimum);
bool isLongEnough(std::string_view utf8, int minimum);

// The form in which words are compared, as UTF-8: without the blanks around
// it, in Unicode normalisation form C, case-folded. Two texts are the same
// word exactly when their keys are equal.
std::string wordKey(std::string_view utf8);

} // namespace lexitor::store
