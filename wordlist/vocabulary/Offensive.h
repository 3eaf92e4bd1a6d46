#pragma once
// What keeps offensive words out of the vocabulary: WordNet's usage domains,
// the wording of its glosses, and a short ban list for what both miss.

#include "wordlist/vocabulary/WordNet.h"

#include <string_view>

namespace lexitor::wordlist::vocabulary {

// An obscenity or an ethnic slur: a word whose first or main sense is one
// is dropped.
bool isObsceneOrSlur(const WordNet& wn, const Synset& synset);

// Disparaging, derogatory or slang: a word whose chosen sense is one is dropped.
bool isDisparaging(const WordNet& wn, const Synset& synset);

bool isBannedWord(std::string_view word);

} // namespace lexitor::wordlist::vocabulary
