#include "wordlist/vocabulary/SenseChoice.h"

#include <algorithm>
#include <string_view>
#include <tuple>

namespace lexitor::wordlist::vocabulary {
namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// Smaller is better.
auto rank(const ChosenSense& c) {
    return std::make_tuple(-c.sense.tagCount, c.position, c.sense.senseNumber,
                           int(c.sense.synset.pos), c.sense.synset.offset);
}

bool before(const ChosenSense& a, const ChosenSense& b) {
    return rank(a) < rank(b);
}

} // namespace

std::size_t positionInSynset(const Synset& synset, const std::string& word) {
    for (std::size_t i = 0; i < synset.words.size(); ++i)
        if (equalsIgnoringCase(synset.words[i], word))
            return i;
    return std::string::npos;
}

std::vector<ChosenSense> rankSenses(const WordNet& wn, const std::string& word) {
    std::vector<ChosenSense> ranked;
    for (const Sense& sense : wn.sensesOf(word))
        if (const Synset* synset = wn.synset(sense.synset))
            ranked.push_back({sense, synset, positionInSynset(*synset, word)});
    std::sort(ranked.begin(), ranked.end(), before);
    return ranked;
}

// One pass, without rankSenses' list: every SCOWL word asks for its main sense.
std::optional<ChosenSense> chooseMainSense(const WordNet& wn, const std::string& word) {
    std::optional<ChosenSense> best;
    for (const Sense& sense : wn.sensesOf(word)) {
        const Synset* synset = wn.synset(sense.synset);
        if (!synset)
            continue;
        const ChosenSense candidate{sense, synset, positionInSynset(*synset, word)};
        if (!best || before(candidate, *best))
            best = candidate;
    }
    return best;
}

} // namespace lexitor::wordlist::vocabulary
