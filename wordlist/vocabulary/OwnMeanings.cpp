#include "wordlist/vocabulary/OwnMeanings.h"

#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>

namespace lexitor::wordlist::vocabulary {
namespace {

// A one-word phrase says the same only as a whole text: "a dog" is not said
// by every definition with "dog" in it.
bool phraseOf(const std::vector<std::string>& text, const std::vector<std::string>& phrase) {
    if (phrase.empty())
        return false;
    return phrase.size() == 1 ? text == phrase : containsPhrase(text, phrase);
}

} // namespace

OwnMeanings::OwnMeanings(const WordNet& wn, const std::vector<std::string>& lemmas) {
    std::unordered_set<std::string> seen;
    std::vector<std::string> words(lemmas.begin(), lemmas.end());
    // The lemmas first, then every word of their synsets.
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!seen.insert(words[i]).second)
            continue;
        for (const Sense& sense : wn.sensesOf(words[i])) {
            const Synset* synset = wn.synset(sense.synset);
            if (!synset || !synsets_.insert(sense.synset).second)
                continue;
            definitions_.push_back(wordTokens(splitGloss(synset->gloss).definition));
            if (i < lemmas.size())
                for (const std::string& word : synset->words)
                    words.push_back(lowerCase(word));
        }
    }
}

bool OwnMeanings::says(std::string_view meaning) const {
    return says(wordTokens(meaning));
}

bool OwnMeanings::says(const std::vector<std::string>& tokens) const {
    return std::any_of(definitions_.begin(), definitions_.end(),
                       [&](const std::vector<std::string>& d) { return phraseOf(d, tokens); });
}

bool containsPhrase(const std::vector<std::string>& text, const std::vector<std::string>& phrase) {
    return !phrase.empty() &&
           std::search(text.begin(), text.end(), phrase.begin(), phrase.end()) != text.end();
}

bool sayTheSame(std::string_view a, std::string_view b) {
    return sayTheSame(wordTokens(a), wordTokens(b));
}

bool sayTheSame(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return !a.empty() && !b.empty() && (a == b || phraseOf(a, b) || phraseOf(b, a));
}

} // namespace lexitor::wordlist::vocabulary
