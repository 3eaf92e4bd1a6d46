#pragma once
// Wrong meanings for a word: the meanings of other candidates of its level
// and part of speech, of a similar length, never a right answer too (see
// OwnMeanings) or a meaning linked to its own, never mentioning the word,
// and no two saying the same thing.

#include "wordlist/vocabulary/Candidates.h"
#include "wordlist/vocabulary/OwnMeanings.h"
#include "wordlist/vocabulary/Random.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lexitor::wordlist::vocabulary {

// False for a meaning no wrong option should have, whatever the word: a
// number or a place in a series ("position 90 in a countable series of
// things"), a year, or a taxonomic group ("a genus of ...").
bool suitsAsWrongOption(std::string_view meaning);

using Distractors = std::array<std::string, 3>;
inline constexpr std::string_view kTooFewWrongMeanings =
    "too few wrong meanings of its level and kind";
// Candidates a caller rules out beyond the chooser's own rules.
using Exclusion = std::function<bool(const Candidate&)>;

class DistractorChooser {
public:
    // `pool` is one level's candidates; it must outlive the chooser.
    DistractorChooser(const WordNet& wn, const std::vector<Candidate>& pool);

    // Three different wrong meanings for `word`, whose own meanings are
    // `own`, or nothing when the pool has
    // too few that qualify. How many are longer than the right meaning is
    // drawn evenly from 0 to 3, so that "pick the longest" guesses no better
    // than chance. Candidates `excluded` are never drawn, those `avoided`
    // only when too few others qualify.
    std::optional<Distractors> choose(const Candidate& word, const OwnMeanings& own, Random& random,
                                      const Exclusion& excluded = {},
                                      const Exclusion& avoided = {}) const;

    // Whether `other`'s meaning could stand as a wrong meaning for `word`,
    // length aside.
    bool qualifies(const Candidate& word, const OwnMeanings& own, const Candidate& other) const;

private:
    const WordNet& wn_;
    const std::vector<Candidate>& pool_;
    // Per part of speech, indices into pool_ sorted by meaning length.
    std::array<std::vector<std::size_t>, kPosCount> byLength_;
};

} // namespace lexitor::wordlist::vocabulary
