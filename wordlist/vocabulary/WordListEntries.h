#pragma once
// Entries for the user's own words, made by the default vocabulary's rules:
// the same sense choice, gloss cleaning, offensive filter and distractor
// chooser, over the same pool of wrong meanings.

#include "store/WordRecord.h"
#include "wordlist/vocabulary/Candidates.h"
#include "wordlist/vocabulary/Distractors.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <variant>
#include <vector>

namespace lexitor::wordlist::vocabulary {

// Why a listed word has no entry, in the groups an import's summary counts.
enum class Refusal { NotInWordNet, FunctionWord, Offensive, NoUsableMeaning };

struct Refused {
    Refusal kind = Refusal::NotInWordNet;
    std::string reason; // follows the word: "is not in WordNet"
};

struct MadeEntry {
    store::WordRecord record; // its word is the base form when the list had an inflection
    int level = 0;            // the level whose words gave the wrong meanings
    std::optional<std::string> inflected; // the form as listed: "abetting" for "abet"
    std::optional<std::string> warning;   // follows the word: "has an offensive sense; ..."
};

class EntryMaker {
public:
    // Wrong meanings come from the candidates of the entry's level first,
    // then from every level's. `candidates` and `scowl` must outlive the maker.
    EntryMaker(const WordNet& wn, const LevelCandidates& candidates, const ScowlWords& scowl,
               std::uint64_t seed = kDefaultSeed);
    ~EntryMaker();

    // The entry for `word` (as the list writes it, without surrounding
    // blanks and punctuation) at `level`, or by how common the word is when
    // that is nothing; or why there is none. Letter case does not matter;
    // an inflected form is taught as its base form. Wrong meanings already
    // given to earlier words are given again only when nothing else
    // qualifies.
    std::variant<MadeEntry, Refused> make(const std::string& word, std::optional<int> level);

private:
    struct Lookup {
        std::string lemma;
        std::vector<Pos> kinds; // for a base form: only its senses of these kinds
    };

    std::vector<Lookup> lookups(const std::string& key) const;
    std::optional<Distractors> wrongMeanings(const std::string& key,
                                             const std::vector<Lookup>& tries,
                                             const Candidate& entry, int level);
    std::optional<std::string> reference(const std::string& key, const Candidate& entry) const;

    const WordNet& wn_;
    const ScowlWords& scowl_;
    std::vector<Candidate> everyLevel_;
    std::array<std::unique_ptr<DistractorChooser>, store::kLevelCount> levelChoosers_;
    DistractorChooser everyLevelChooser_;
    std::uint64_t seed_ = kDefaultSeed;
    std::unordered_set<std::string> given_; // wrong meanings given so far
};

} // namespace lexitor::wordlist::vocabulary
