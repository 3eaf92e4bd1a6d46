#pragma once
// Which sense a word is taught with. WordNet lists a word's senses of each
// part of speech most frequent first and counts how often each was met in
// its tagged texts: the sense a learner most likely means is the first
// sense of the part of speech met most often.

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

// The part of speech whose senses of `lemma` were tagged most often; ties
// go to the one with more senses, then to noun, verb, adjective, adverb.
std::optional<Pos> mainPos(const WordNet& wn, const std::string& lemma);

// The first sense of the main part of speech, or nothing when WordNet has
// no sense of `lemma`.
std::optional<ChosenSense> chooseMainSense(const WordNet& wn, const std::string& lemma);

// The main sense, then the first sense of every other part of speech, in
// the order of mainPos: the senses a reader meets first in a dictionary.
std::vector<ChosenSense> firstSenses(const WordNet& wn, const std::string& lemma);

// The senses worth teaching, best first: the first senses, then any other
// sense tagged at least a quarter as often as the most tagged one. A sense
// nobody meets is never among them.
std::vector<ChosenSense> commonSenses(const WordNet& wn, const std::string& lemma);

} // namespace lexitor::wordlist::vocabulary
