#include "wordlist/vocabulary/WordListEntries.h"

#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/Offensive.h"
#include "wordlist/vocabulary/SenseChoice.h"
#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/WordForms.h"

#include <algorithm>

namespace lexitor::wordlist::vocabulary {
namespace {

constexpr std::string_view kOffensive = "is left out as offensive";

std::vector<Candidate> allLevels(const LevelCandidates& candidates) {
    std::vector<Candidate> all;
    for (const auto& level : candidates)
        all.insert(all.end(), level.begin(), level.end());
    return all;
}

// The word as WordNet writes it: lower case, with a typographic apostrophe
// (as word processors type it) made plain.
std::string lookupKey(std::string_view word) {
    constexpr std::string_view kTyped = "\u2019";
    std::string key;
    while (!word.empty()) {
        const bool typed = word.starts_with(kTyped);
        key += typed ? '\'' : word.front();
        word.remove_prefix(typed ? kTyped.size() : 1);
    }
    return lowerCase(key);
}

bool holds(const std::vector<std::string>& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

} // namespace

EntryMaker::EntryMaker(const WordNet& wn, const LevelCandidates& candidates, std::size_t level,
                       std::uint64_t seed)
    : wn_(wn), everyLevel_(allLevels(candidates)), levelChooser_(wn, candidates[level]),
      everyLevelChooser_(wn, everyLevel_), seed_(seed) {}

// The word's own senses first: "found" and "glasses" are words in their own
// right. Then the base forms WordNet's morphology gives: ran, geese, abetting.
std::vector<EntryMaker::Lookup> EntryMaker::lookups(const std::string& key) const {
    std::vector<Lookup> result;
    if (!wn_.sensesOf(key).empty())
        result.push_back({key, std::nullopt});
    for (std::size_t pos = 0; pos < kPosCount; ++pos)
        for (std::string& base : baseForms(wn_, key, Pos(pos)))
            result.push_back({std::move(base), Pos(pos)});
    return result;
}

std::variant<store::WordRecord, std::string> EntryMaker::make(const std::string& word) {
    const std::string key = lookupKey(word);
    if (isBannedWord(key))
        return std::string(kOffensive);
    const std::vector<Lookup> tries = lookups(key);
    std::optional<std::string_view> mainProblem;
    for (const Lookup& lookup : tries) {
        const std::vector<ChosenSense> ranked = rankSenses(wn_, lookup.lemma);
        if (!ranked.empty() && isOffensiveWord(wn_, lookup.lemma, ranked.front()))
            return std::string(kOffensive);
        for (const ChosenSense& sense : ranked) {
            if (lookup.pos && sense.synset->id.pos != *lookup.pos)
                continue;
            Candidate entry;
            std::optional<std::string_view> problem = unfitSense(wn_, sense);
            if (!problem)
                problem = teachSense(wn_, lookup.lemma, sense, entry);
            // The base form's meaning may still name the form as written.
            if (!problem && key != lookup.lemma && mentionsWord(wn_, key, entry.meaning))
                problem = kGivesWordAway;
            std::optional<Distractors> wrong;
            if (!problem && !(wrong = wrongMeanings(key, tries, entry)))
                problem = kTooFewWrongMeanings;
            if (!problem)
                return store::WordRecord{word,        entry.meaning, (*wrong)[0],
                                         (*wrong)[1], (*wrong)[2],   reference(key, entry)};
            if (!mainProblem)
                mainProblem = problem;
        }
    }
    if (!mainProblem)
        return std::string("is not in WordNet");
    return "has no usable meaning in WordNet (" + std::string(*mainProblem) + ")";
}

std::optional<Distractors> EntryMaker::wrongMeanings(const std::string& key,
                                                     const std::vector<Lookup>& tries,
                                                     const Candidate& entry) {
    // The senses of the word as written and of all its base forms are its
    // own: "found" may be read as establish or as the past of find.
    const Exclusion ownSense = [&](const Candidate& other) {
        return std::any_of(tries.begin(), tries.end(), [&](const Lookup& lookup) {
            const std::vector<Sense>& senses = wn_.sensesOf(lookup.lemma);
            return std::any_of(senses.begin(), senses.end(), [&](const Sense& sense) {
                return sense.synset == other.synset->id;
            });
        });
    };
    const Exclusion given = [&](const Candidate& other) { return given_.contains(other.meaning); };
    const Exclusion givenOrOwn = [&](const Candidate& other) {
        return given(other) || ownSense(other);
    };
    // The word's level when it has three fresh meanings, else every level,
    // giving again as few meanings as it can.
    Random random(seed_ ^ hashText(key));
    std::optional<Distractors> wrong = levelChooser_.choose(entry, random, givenOrOwn);
    if (!wrong)
        wrong = everyLevelChooser_.choose(entry, random, ownSense, given);
    if (wrong)
        given_.insert(wrong->begin(), wrong->end());
    return wrong;
}

// The first example of the sense that holds the word as written, its base
// form or another form of it.
std::optional<std::string> EntryMaker::reference(const std::string& key,
                                                 const Candidate& entry) const {
    const Pos pos = entry.synset->id.pos;
    const auto isForm = [&](const std::string& token) {
        return token == key || token == entry.word || holds(baseForms(wn_, token, pos), entry.word);
    };
    for (const std::string& example : splitGloss(entry.synset->gloss).examples) {
        const std::vector<std::string> tokens = letterTokens(example);
        if (std::any_of(tokens.begin(), tokens.end(), isForm))
            return example;
    }
    return std::nullopt;
}

} // namespace lexitor::wordlist::vocabulary
