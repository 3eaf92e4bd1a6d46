#pragma once
// The clean candidates of each level: SCOWL words that WordNet knows, each
// with the meaning and reference of its main sense, the most frequent first.

#include "store/WordRecord.h"
#include "wordlist/vocabulary/Scowl.h"
#include "wordlist/vocabulary/SenseChoice.h"
#include "wordlist/vocabulary/WordNet.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexitor::wordlist::vocabulary {

struct Candidate {
    std::string word;
    int scowlSize = 0;
    int frequency = 0; // the tag counts of all the word's senses
    const Synset* synset = nullptr;
    std::string meaning;
    std::optional<std::string> ref;
};

using LevelCandidates = std::array<std::vector<Candidate>, store::kLevelCount>;
// Why words were left out, with how many of each.
using DropCounts = std::map<std::string, int>;

// Reasons a sense or a word is left out.
inline constexpr std::string_view kProperNoun = "main sense is a proper noun";
inline constexpr std::string_view kOffensive = "offensive in its main or a first sense";
inline constexpr std::string_view kOffensiveSense = "offensive, disparaging or slang";
inline constexpr std::string_view kNoCleanMeaning = "definition is only a usage note";
inline constexpr std::string_view kLongMeaning = "meaning longer than 80 characters";
inline constexpr std::string_view kGivesWordAway = "meaning contains the word";

// Why `chosen` is never taught, whatever its meaning: a proper noun, or
// offensive (see isOffensiveSense).
std::optional<std::string_view> unfitSense(const WordNet& wn, const ChosenSense& chosen);

// Teaches `word` with `chosen`: the definition cleaned of markup, without
// what shares the word's root where the text reads on without it, as its
// meaning, and the first example holding the word as its reference. Fills
// `out` and returns nothing, or returns why the meaning does not do.
std::optional<std::string_view> teachSense(const WordNet& wn, const std::string& word,
                                           const ChosenSense& chosen, Candidate& out);

// Fills `out` and returns nothing when `word` makes a clean candidate;
// otherwise returns why not.
std::optional<std::string_view> judgeWord(const WordNet& wn, const std::string& word,
                                          Candidate& out);

// Candidates per level in teaching order (SCOWL size, then frequency, then
// spelling), at most one per synset and per meaning across all levels.
LevelCandidates buildCandidates(const WordNet& wn, const ScowlWords& scowl, DropCounts& dropped);

} // namespace lexitor::wordlist::vocabulary
