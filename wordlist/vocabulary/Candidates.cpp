#include "wordlist/vocabulary/Candidates.h"

#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/Offensive.h"
#include "wordlist/vocabulary/RootMask.h"
#include "wordlist/vocabulary/SenseChoice.h"
#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/WordForms.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_set>

namespace lexitor::wordlist::vocabulary {
namespace {

constexpr std::size_t kMinWordLength = 3;

int totalTagCount(const std::vector<Sense>& senses) {
    int total = 0;
    for (const Sense& sense : senses)
        total += sense.tagCount;
    return total;
}

} // namespace

std::optional<std::string_view> unfitSense(const WordNet& wn, const ChosenSense& chosen) {
    const Synset& synset = *chosen.synset;
    if (chosen.position == std::string::npos || !isLowerCase(synset.words[chosen.position]))
        return kProperNoun;
    if (isOffensiveSense(wn, synset, chosen.position))
        return kOffensiveSense;
    return std::nullopt;
}

std::optional<std::string_view> teachSense(const WordNet& wn, const std::string& word,
                                           const ChosenSense& chosen, Candidate& out) {
    const Gloss gloss = splitGloss(chosen.synset->gloss);
    std::optional<std::string> definition = cleanDefinition(gloss.definition);
    if (!definition)
        return kNoCleanMeaning;
    if (mentionsWord(wn, word, *definition) &&
        !(definition = withoutRootWords(wn, word, *definition)))
        return kGivesWordAway;
    std::optional<std::string> meaning = meaningFromDefinition(*definition);
    if (!meaning)
        return kLongMeaning;
    if (meaning->size() < 3)
        return "meaning too short";

    out.word = word;
    out.frequency = totalTagCount(wn.sensesOf(word));
    out.synset = chosen.synset;
    out.meaning = std::move(*meaning);
    out.ref.reset();
    for (const std::string& example : gloss.examples) {
        if (containsWholeWord(example, word)) {
            out.ref = example;
            break;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> judgeWord(const WordNet& wn, const std::string& word,
                                          Candidate& out) {
    if (word.size() < kMinWordLength || !isPlainLowerWord(word))
        return "not a plain lower-case word of 3 letters or more";
    if (isBannedWord(word))
        return "on the ban list";
    const std::optional<ChosenSense> main = chooseMainSense(wn, word);
    if (!main)
        return "unknown to WordNet";
    if (unfitSense(wn, *main) == kProperNoun)
        return kProperNoun;
    if (isOffensiveWord(wn, word))
        return kOffensive;
    if (isInflection(wn, word, main->synset->id.pos))
        return "an inflection of another word";
    return teachSense(wn, word, *main, out);
}

LevelCandidates buildCandidates(const WordNet& wn, const ScowlWords& scowl, DropCounts& dropped) {
    LevelCandidates levels;
    for (const auto& [word, size] : scowl) {
        const int level = levelOfScowlSize(size);
        if (level < 0)
            continue;
        Candidate candidate;
        if (const auto reason = judgeWord(wn, word, candidate)) {
            ++dropped[std::string(*reason)];
            continue;
        }
        candidate.scowlSize = size;
        levels[std::size_t(level)].push_back(std::move(candidate));
    }
    std::unordered_set<SynsetId, SynsetIdHash> usedSynsets;
    std::set<std::string> usedMeanings;
    for (auto& level : levels) {
        std::sort(level.begin(), level.end(), [](const Candidate& a, const Candidate& b) {
            return std::make_tuple(a.scowlSize, -a.frequency, std::cref(a.word)) <
                   std::make_tuple(b.scowlSize, -b.frequency, std::cref(b.word));
        });
        std::vector<Candidate> kept;
        for (Candidate& candidate : level) {
            if (!usedSynsets.insert(candidate.synset->id).second ||
                !usedMeanings.insert(candidate.meaning).second) {
                ++dropped["synset already taken by a more frequent word"];
                continue;
            }
            kept.push_back(std::move(candidate));
        }
        level = std::move(kept);
    }
    return levels;
}

} // namespace lexitor::wordlist::vocabulary
