#pragma once
// Entries for the user's own words, made by the default vocabulary's rules:
// the same sense ranking, gloss cleaning, offensive filter and distractor
// chooser, over the same pool of wrong meanings.

#include "store/WordRecord.h"
#include "wordlist/vocabulary/Candidates.h"
#include "wordlist/vocabulary/Distractors.h"

#include <cstdint>
#include <string>
#include <unordered_set>
#include <variant>
#include <vector>

namespace lexitor::wordlist::vocabulary {

class EntryMaker {
public:
    // Wrong meanings come from `level`'s candidates first, then from every
    // level's. `candidates` must outlive the maker.
    EntryMaker(const WordNet& wn, const LevelCandidates& candidates, std::size_t level,
               std::uint64_t seed = kDefaultSeed);

    // The entry for `word` (as the list writes it, without surrounding
    // blanks and punctuation), or why there is none. Letter case does not
    // matter; an inflected form takes the meaning of its base form. Wrong
    // meanings already given to earlier words are given again only when
    // nothing else qualifies.
    std::variant<store::WordRecord, std::string> make(const std::string& word);

private:
    struct Lookup {
        std::string lemma;
        std::optional<Pos> pos; // set for a base form: only its senses of this kind
    };

    std::vector<Lookup> lookups(const std::string& key) const;
    std::optional<Distractors>
    wrongMeanings(const std::string& key, const std::vector<Lookup>& tries, const Candidate& entry);
    std::optional<std::string> reference(const std::string& key, const Candidate& entry) const;

    const WordNet& wn_;
    std::vector<Candidate> everyLevel_;
    DistractorChooser levelChooser_;
    DistractorChooser everyLevelChooser_;
    std::uint64_t seed_ = kDefaultSeed;
    std::unordered_set<std::string> given_; // wrong meanings given so far
};

} // namespace lexitor::wordlist::vocabulary
