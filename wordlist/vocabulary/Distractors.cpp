#include "wordlist/vocabulary/Distractors.h"

#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/WordForms.h"

#include <algorithm>
#include <array>

namespace lexitor::wordlist::vocabulary {
namespace {

// Without "one": "one who travels" is no number.
constexpr std::array<std::string_view, 26> kNumberWords = {
    "two",     "three",  "four",     "five",    "six",      "seven",   "eight",   "nine",  "ten",
    "eleven",  "twelve", "thirteen", "fifteen", "twenty",   "thirty",  "forty",   "fifty", "sixty",
    "seventy", "eighty", "ninety",   "hundred", "thousand", "million", "billion", "dozen"};
constexpr std::array<std::string_view, 8> kCountingWords = {"more", "less",   "times",    "product",
                                                            "sum",  "number", "position", "series"};
constexpr std::array<std::string_view, 7> kTaxonomyWords = {
    "genus", "genera", "taxonomic", "phylum", "subfamily", "suborder", "superfamily"};

template <std::size_t N>
bool holdsAny(const std::vector<std::string>& tokens,
              const std::array<std::string_view, N>& words) {
    return std::any_of(tokens.begin(), tokens.end(), [&](const std::string& token) {
        return std::find(words.begin(), words.end(), token) != words.end();
    });
}

bool linksTo(const Synset& from, SynsetId to) {
    return std::find(from.links.begin(), from.links.end(), to) != from.links.end();
}

bool linked(const Synset& a, const Synset& b) {
    return linksTo(a, b.id) || linksTo(b, a.id);
}

// Draws up to `count` qualifying entries of `from` into `chosen`, preferring
// those of the word's own lexicographer file. `from` is shuffled in place.
void draw(std::vector<std::size_t>& from, std::size_t count, const Candidate& word,
          const OwnMeanings& own, const std::vector<Candidate>& pool,
          const DistractorChooser& chooser, Random& random, const Exclusion& excluded,
          std::vector<std::size_t>& chosen) {
    for (std::size_t i = from.size(); i > 1; --i)
        std::swap(from[i - 1], from[random.below(i)]);
    std::stable_partition(from.begin(), from.end(), [&](std::size_t index) {
        return pool[index].synset->lexFile == word.synset->lexFile;
    });
    std::size_t taken = 0;
    for (std::size_t index : from) {
        if (taken == count)
            break;
        const Candidate& other = pool[index];
        const bool alike = std::any_of(chosen.begin(), chosen.end(), [&](std::size_t c) {
            return sayTheSame(pool[c].meaning, other.meaning) ||
                   linked(*pool[c].synset, *other.synset);
        });
        if (alike || (excluded && excluded(other)) || !chooser.qualifies(word, own, other))
            continue;
        chosen.push_back(index);
        ++taken;
    }
    std::erase_if(from, [&](std::size_t index) {
        return std::find(chosen.begin(), chosen.end(), index) != chosen.end();
    });
}

} // namespace

bool suitsAsWrongOption(std::string_view meaning) {
    if (std::any_of(meaning.begin(), meaning.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const std::vector<std::string> tokens = letterTokens(meaning);
    return !holdsAny(tokens, kTaxonomyWords) &&
           !(holdsAny(tokens, kNumberWords) && holdsAny(tokens, kCountingWords)) &&
           !containsPhrase(tokens, {"cardinal", "number"}) &&
           !containsPhrase(tokens, {"ordinal", "number"});
}

DistractorChooser::DistractorChooser(const WordNet& wn, const std::vector<Candidate>& pool)
    : wn_(wn), pool_(pool) {
    for (std::size_t i = 0; i < pool.size(); ++i)
        if (suitsAsWrongOption(pool[i].meaning))
            byLength_[std::size_t(pool[i].synset->id.pos)].push_back(i);
    for (auto& indices : byLength_)
        std::stable_sort(indices.begin(), indices.end(), [&](std::size_t a, std::size_t b) {
            return pool[a].meaning.size() < pool[b].meaning.size();
        });
}

bool DistractorChooser::qualifies(const Candidate& word, const OwnMeanings& own,
                                  const Candidate& other) const {
    if (other.word == word.word || sayTheSame(other.meaning, word.meaning))
        return false;
    const Synset& mine = *word.synset;
    const Synset& theirs = *other.synset;
    if (theirs.id == mine.id || linked(mine, theirs) || own.holdsSynset(theirs.id))
        return false;
    return !own.says(other.meaning) && !mentionsWord(wn_, word.word, other.meaning);
}

std::optional<Distractors> DistractorChooser::choose(const Candidate& word, const OwnMeanings& own,
                                                     Random& random, const Exclusion& excluded,
                                                     const Exclusion& avoided) const {
    const std::size_t length = word.meaning.size();
    const std::size_t shortest = (length * 6 + 9) / 10; // within 40% of the length
    const std::size_t longest = length * 14 / 10;
    const auto& indices = byLength_[std::size_t(word.synset->id.pos)];
    const auto lengthOf = [&](std::size_t index) { return pool_[index].meaning.size(); };
    const auto first = std::partition_point(indices.begin(), indices.end(),
                                            [&](std::size_t i) { return lengthOf(i) < shortest; });
    const auto middle = std::partition_point(first, indices.end(),
                                             [&](std::size_t i) { return lengthOf(i) <= length; });
    const auto last = std::partition_point(middle, indices.end(),
                                           [&](std::size_t i) { return lengthOf(i) <= longest; });
    std::vector<std::size_t> notLonger(first, middle);
    std::vector<std::size_t> longer(middle, last);

    const std::size_t wantLonger = random.below(4);
    std::vector<std::size_t> chosen;
    const Exclusion preferred = !avoided ? excluded : [&](const Candidate& other) {
        return avoided(other) || (excluded && excluded(other));
    };
    // What the caller would rather avoid fills only the places nothing else can.
    for (const Exclusion* skip : {&preferred, &excluded}) {
        const auto room = [&] { return 3 - chosen.size(); };
        draw(longer, std::min(wantLonger, room()), word, own, pool_, *this, random, *skip, chosen);
        draw(notLonger, room(), word, own, pool_, *this, random, *skip, chosen);
        if (room() > 0)
            draw(longer, room(), word, own, pool_, *this, random, *skip, chosen);
        if (room() == 0 || !avoided)
            break;
    }
    if (chosen.size() < 3)
        return std::nullopt;
    for (std::size_t i = chosen.size(); i > 1; --i)
        std::swap(chosen[i - 1], chosen[random.below(i)]);
    return Distractors{pool_[chosen[0]].meaning, pool_[chosen[1]].meaning,
                       pool_[chosen[2]].meaning};
}

} // namespace lexitor::wordlist::vocabulary
