#include "wordlist/vocabulary/WordListEntries.h"

#include "wordlist/vocabulary/FunctionWords.h"
#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/LevelBands.h"
#include "wordlist/vocabulary/Offensive.h"
#include "wordlist/vocabulary/RootMask.h"
#include "wordlist/vocabulary/SenseChoice.h"
#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/WordForms.h"

#include <algorithm>

namespace lexitor::wordlist::vocabulary {
namespace {

constexpr std::string_view kLeftOutAsOffensive = "is left out as offensive";

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

std::string shown(std::string lemma) {
    std::replace(lemma.begin(), lemma.end(), '_', ' ');
    return lemma;
}

} // namespace

EntryMaker::EntryMaker(const WordNet& wn, const LevelCandidates& candidates,
                       const ScowlWords& scowl, std::uint64_t seed)
    : wn_(wn), scowl_(scowl), everyLevel_(allLevels(candidates)),
      everyLevelChooser_(wn, everyLevel_), seed_(seed) {
    for (std::size_t level = 0; level < store::kLevelCount; ++level)
        levelChoosers_[level] = std::make_unique<DistractorChooser>(wn, candidates[level]);
}

EntryMaker::~EntryMaker() = default;

// The word's own senses first: "found" and "glasses" are words in their own
// right. Then the base forms WordNet's morphology gives (ran, geese,
// abetting), each once with every part of speech it is a form of: "aids"
// may be the noun or the verb, and the verb is aid's main sense.
std::vector<EntryMaker::Lookup> EntryMaker::lookups(const std::string& key) const {
    std::vector<Lookup> result;
    if (!wn_.sensesOf(key).empty())
        result.push_back({key, {}});
    for (std::size_t pos = 0; pos < kPosCount; ++pos) {
        for (std::string& base : baseForms(wn_, key, Pos(pos))) {
            const auto same = std::find_if(result.begin(), result.end(), [&](const Lookup& l) {
                return l.lemma == base && !l.kinds.empty();
            });
            if (same != result.end())
                same->kinds.push_back(Pos(pos));
            else
                result.push_back({std::move(base), {Pos(pos)}});
        }
    }
    return result;
}

std::variant<MadeEntry, Refused> EntryMaker::make(const std::string& word,
                                                  std::optional<int> level) {
    const std::string key = lookupKey(word);
    if (isBannedWord(key))
        return Refused{Refusal::Offensive, std::string(kLeftOutAsOffensive)};
    const std::vector<Lookup> tries = lookups(key);
    std::optional<std::string_view> mainProblem;
    bool offensiveSeen = false;
    for (const Lookup& lookup : tries) {
        const bool offensiveWord = isOffensiveWord(wn_, lookup.lemma);
        const int entryLevel = level.value_or(bandOfSize(commonnessOf(&wn_, scowl_, lookup.lemma)));
        for (const ChosenSense& sense : commonSenses(wn_, lookup.lemma)) {
            if (!lookup.kinds.empty() && std::find(lookup.kinds.begin(), lookup.kinds.end(),
                                                   sense.synset->id.pos) == lookup.kinds.end())
                continue;
            Candidate entry;
            std::optional<std::string_view> problem = unfitSense(wn_, sense);
            offensiveSeen |= problem == kOffensiveSense;
            if (!problem)
                problem = teachSense(wn_, lookup.lemma, sense, entry);
            // The base form's meaning may still name the form as written.
            if (!problem && key != lookup.lemma && mentionsWord(wn_, key, entry.meaning)) {
                if (std::optional<std::string> fair = withoutRootWords(wn_, key, entry.meaning))
                    entry.meaning = std::move(*fair);
                else
                    problem = kGivesWordAway;
            }
            std::optional<Distractors> wrong;
            if (!problem && !(wrong = wrongMeanings(key, tries, entry, entryLevel)))
                problem = kTooFewWrongMeanings;
            if (!problem) {
                MadeEntry made;
                made.record = {!lookup.kinds.empty() ? shown(lookup.lemma) : word,
                               entry.meaning,
                               (*wrong)[0],
                               (*wrong)[1],
                               (*wrong)[2],
                               reference(key, entry)};
                made.level = entryLevel;
                if (!lookup.kinds.empty())
                    made.inflected = word;
                if (offensiveWord || offensiveSeen)
                    made.warning =
                        "has an offensive sense; it is taught as \"" + entry.meaning + "\"";
                return made;
            }
            if (!mainProblem || mainProblem == kOffensiveSense)
                mainProblem = problem;
        }
    }
    // WordNet may know a function word only as a name: "he" as helium.
    if (const auto wordClass = functionWordClass(key))
        return Refused{Refusal::FunctionWord,
                       "is " + std::string(*wordClass) +
                           ", which WordNet does not hold: it has only nouns, verbs, "
                           "adjectives and adverbs"};
    if (offensiveSeen && mainProblem == kOffensiveSense)
        return Refused{Refusal::Offensive, std::string(kLeftOutAsOffensive)};
    if (mainProblem)
        return Refused{Refusal::NoUsableMeaning,
                       "has no usable meaning in WordNet (" + std::string(*mainProblem) + ")"};
    return Refused{Refusal::NotInWordNet, "is not in WordNet"};
}

std::optional<Distractors> EntryMaker::wrongMeanings(const std::string& key,
                                                     const std::vector<Lookup>& tries,
                                                     const Candidate& entry, int level) {
    // The senses of the word as written and of all its base forms are its
    // own: "found" may be read as establish or as the past of find.
    std::vector<std::string> lemmas;
    for (const Lookup& lookup : tries)
        lemmas.push_back(lookup.lemma);
    const OwnMeanings own(wn_, lemmas);
    const Exclusion given = [&](const Candidate& other) { return given_.contains(other.meaning); };
    // The word's level when it has three fresh meanings, else every level,
    // giving again as few meanings as it can.
    Random random(seed_ ^ hashText(key));
    std::optional<Distractors> wrong =
        levelChoosers_[std::size_t(level)]->choose(entry, own, random, given);
    if (!wrong)
        wrong = everyLevelChooser_.choose(entry, own, random, {}, given);
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
