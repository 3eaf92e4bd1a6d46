#pragma once
// The default vocabulary: three levels of word records, built from WordNet
// and SCOWL, the same lists for the same inputs and seed.

#include "store/WordRecord.h"
#include "wordlist/vocabulary/Candidates.h"
#include "wordlist/vocabulary/Random.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lexitor::wordlist::vocabulary {

inline constexpr std::size_t kDefaultPerLevel = 2000;

struct GenerateOptions {
    std::size_t perLevel = kDefaultPerLevel;
    std::uint64_t seed = kDefaultSeed;
};

struct Vocabulary {
    std::array<std::vector<store::WordRecord>, store::kLevelCount> levels;
    std::array<std::size_t, store::kLevelCount> candidates{}; // clean candidates per level
    DropCounts dropped;
};

Vocabulary generateVocabulary(const WordNet& wn, const ScowlWords& scowl,
                              const GenerateOptions& options = {});

} // namespace lexitor::wordlist::vocabulary
