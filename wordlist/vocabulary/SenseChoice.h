#pragma once
// The one sense a word is taught with: its most tagged sense across parts of
// speech, the ties going to the synset that lists the word first, then to
// the lower sense number.

#include "wordlist/vocabulary/WordNet.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lexitor::wordlist::vocabulary {

struct ChosenSense {
    Sense sense;
    const Synset* synset = nullptr;
    std::size_t position = 0; // where the synset lists the word, 0 = first
};

// Where `synset` lists `word` (ignoring case), or npos.
std::size_t positionInSynset(const Synset& synset, const std::string& word);

// The main sense, or nothing when WordNet has no sense of `word`.
std::optional<ChosenSense> chooseMainSense(const WordNet& wn, const std::string& word);

// Every sense of `word`, the main one first and the others in the same
// order of preference.
std::vector<ChosenSense> rankSenses(const WordNet& wn, const std::string& word);

} // namespace lexitor::wordlist::vocabulary
