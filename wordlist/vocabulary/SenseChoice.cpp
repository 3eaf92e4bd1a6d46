#include "wordlist/vocabulary/SenseChoice.h"

#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <tuple>

namespace lexitor::wordlist::vocabulary {
namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && lowerCase(a) == lowerCase(b);
}

struct PosWeight {
    Pos pos = Pos::Noun;
    int tags = 0;
    int senses = 0;
};

// The parts of speech `lemma` has, the main one first.
std::vector<Pos> posOrder(const WordNet& wn, const std::string& lemma) {
    std::array<PosWeight, kPosCount> weights;
    for (std::size_t pos = 0; pos < kPosCount; ++pos)
        weights[pos].pos = Pos(pos);
    for (const Sense& sense : wn.sensesOf(lemma)) {
        PosWeight& weight = weights[std::size_t(sense.synset.pos)];
        weight.tags += sense.tagCount;
        ++weight.senses;
    }
    std::stable_sort(weights.begin(), weights.end(), [](const PosWeight& a, const PosWeight& b) {
        return std::tie(a.tags, a.senses) > std::tie(b.tags, b.senses);
    });
    std::vector<Pos> order;
    for (const PosWeight& weight : weights)
        if (weight.senses > 0)
            order.push_back(weight.pos);
    return order;
}

std::optional<ChosenSense> chosen(const WordNet& wn, const std::string& lemma, const Sense& sense) {
    const Synset* synset = wn.synset(sense.synset);
    if (!synset)
        return std::nullopt;
    return ChosenSense{sense, synset, positionInSynset(*synset, lemma)};
}

// The lowest-numbered sense of `pos`: sense 1 unless the files skip it.
std::optional<ChosenSense> firstOf(const WordNet& wn, const std::string& lemma, Pos pos) {
    const Sense* first = nullptr;
    for (const Sense& sense : wn.sensesOf(lemma))
        if (sense.synset.pos == pos && (!first || sense.senseNumber < first->senseNumber))
            first = &sense;
    return first ? chosen(wn, lemma, *first) : std::nullopt;
}

} // namespace

std::size_t positionInSynset(const Synset& synset, const std::string& word) {
    for (std::size_t i = 0; i < synset.words.size(); ++i)
        if (equalsIgnoringCase(synset.words[i], word))
            return i;
    return std::string::npos;
}

std::optional<Pos> mainPos(const WordNet& wn, const std::string& lemma) {
    const std::vector<Pos> order = posOrder(wn, lemma);
    return order.empty() ? std::nullopt : std::optional(order.front());
}

std::optional<ChosenSense> chooseMainSense(const WordNet& wn, const std::string& lemma) {
    const std::optional<Pos> pos = mainPos(wn, lemma);
    return pos ? firstOf(wn, lemma, *pos) : std::nullopt;
}

std::vector<ChosenSense> firstSenses(const WordNet& wn, const std::string& lemma) {
    std::vector<ChosenSense> senses;
    for (Pos pos : posOrder(wn, lemma))
        if (const auto first = firstOf(wn, lemma, pos))
            senses.push_back(*first);
    return senses;
}

std::vector<ChosenSense> commonSenses(const WordNet& wn, const std::string& lemma) {
    std::vector<ChosenSense> senses = firstSenses(wn, lemma);
    int mostTags = 0;
    for (const Sense& sense : wn.sensesOf(lemma))
        mostTags = std::max(mostTags, sense.tagCount);
    std::vector<ChosenSense> others;
    for (const Sense& sense : wn.sensesOf(lemma)) {
        const bool taken = std::any_of(senses.begin(), senses.end(), [&](const ChosenSense& c) {
            return c.sense.synset == sense.synset;
        });
        if (!taken && sense.tagCount > 0 && 4 * sense.tagCount >= mostTags)
            if (const auto other = chosen(wn, lemma, sense))
                others.push_back(*other);
    }
    std::stable_sort(others.begin(), others.end(), [](const ChosenSense& a, const ChosenSense& b) {
        return a.sense.tagCount > b.sense.tagCount;
    });
    senses.insert(senses.end(), others.begin(), others.end());
    return senses;
}

} // namespace lexitor::wordlist::vocabulary
