#pragma once
// The clean candidates of each level: SCOWL words that WordNet knows, each
// with the meaning and reference of its main sense, the most frequent first.

#include "tools/vocabulary/Scowl.h"
#include "tools/vocabulary/WordNet.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexitor::tools::vocabulary {

inline constexpr std::size_t kLevelCount = 3;

struct Candidate {
    std::string word;
    int scowlSize = 0;
    int frequency = 0; // the tag counts of all the word's senses
    const Synset* synset = nullptr;
    std::string meaning;
    std::optional<std::string> ref;
};

using LevelCandidates = std::array<std::vector<Candidate>, kLevelCount>;
// Why words were left out, with how many of each.
using DropCounts = std::map<std::string, int>;

// Fills `out` and returns nothing when `word` makes a clean candidate;
// otherwise returns why not.
std::optional<std::string_view> judgeWord(const WordNet& wn, const std::string& word,
                                          Candidate& out);

// Candidates per level in teaching order (SCOWL size, then frequency, then
// spelling), at most one per synset and per meaning across all levels.
LevelCandidates buildCandidates(const WordNet& wn, const ScowlWords& scowl, DropCounts& dropped);

} // namespace lexitor::tools::vocabulary
