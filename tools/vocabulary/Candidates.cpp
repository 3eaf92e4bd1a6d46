#include "tools/vocabulary/Candidates.h"

#include "tools/vocabulary/Gloss.h"
#include "tools/vocabulary/Offensive.h"
#include "tools/vocabulary/SenseChoice.h"
#include "tools/vocabulary/TextTools.h"
#include "tools/vocabulary/WordForms.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_set>

namespace lexitor::tools::vocabulary {
namespace {

constexpr std::size_t kMinWordLength = 3;

// The first sense of each part of speech, which a reader meets first in a
// dictionary.
bool anyFirstSenseObscene(const WordNet& wn, const std::vector<Sense>& senses) {
    return std::any_of(senses.begin(), senses.end(), [&](const Sense& sense) {
        const Synset* synset = wn.synset(sense.synset);
        return sense.senseNumber == 1 && synset && isObsceneOrSlur(wn, *synset);
    });
}

int totalTagCount(const std::vector<Sense>& senses) {
    int total = 0;
    for (const Sense& sense : senses)
        total += sense.tagCount;
    return total;
}

} // namespace

std::optional<std::string_view> judgeWord(const WordNet& wn, const std::string& word,
                                          Candidate& out) {
    if (word.size() < kMinWordLength || !isPlainLowerWord(word))
        return "not a plain lower-case word of 3 letters or more";
    if (isBannedWord(word))
        return "on the ban list";
    const std::optional<ChosenSense> main = chooseMainSense(wn, word);
    if (!main)
        return "unknown to WordNet";
    const Synset& synset = *main->synset;
    if (main->position == std::string::npos || !isLowerCase(synset.words[main->position]))
        return "main sense is a proper noun";
    const std::vector<Sense>& senses = wn.sensesOf(word);
    if (isObsceneOrSlur(wn, synset) || anyFirstSenseObscene(wn, senses))
        return "first or main sense obscene or a slur";
    if (isDisparaging(wn, synset))
        return "main sense disparaging or slang";
    if (isInflection(wn, word, synset.id.pos))
        return "an inflection of another word";
    const Gloss gloss = splitGloss(synset.gloss);
    std::optional<std::string> meaning = meaningFromDefinition(gloss.definition);
    if (!meaning)
        return "meaning longer than 80 characters";
    if (meaning->size() < 3)
        return "meaning too short";
    if (mentionsWord(wn, word, *meaning))
        return "meaning contains the word";

    out.word = word;
    out.frequency = totalTagCount(senses);
    out.synset = &synset;
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

} // namespace lexitor::tools::vocabulary
