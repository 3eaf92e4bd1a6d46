#pragma once
// Quality figures of a generated level, measured on the records alone with
// simple tests of their own, so that they check the generator rather than
// repeat it.

#include "store/WordRecord.h"

#include <string>
#include <vector>

namespace lexitor::wordlist::vocabulary {

struct LevelQuality {
    std::size_t words = 0;
    double withRef = 0;        // share with a reference
    double longMeanings = 0;   // share of meanings over 80 characters
    double meaningHasWord = 0; // share of meanings holding the word or a regular form
    double rootGuess = 0;      // expected score of "pick the option sharing the word's root"
    double longestGuess = 0;   // expected score of "pick the longest option"
};

LevelQuality measureLevel(const std::vector<store::WordRecord>& records);

// One line per level, e.g. "level 0: 2000 words, 61.2% with a reference, ...".
std::string describeQuality(const LevelQuality& quality, int level);

} // namespace lexitor::wordlist::vocabulary
