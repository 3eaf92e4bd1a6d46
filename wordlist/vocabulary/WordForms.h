#pragma once
// Word forms: WordNet's own morphology (exception lists and detachment
// rules) to spot inflections, and a rough root test to spot a meaning that
// gives its word away.

#include "wordlist/vocabulary/WordNet.h"

#include <string>
#include <string_view>
#include <vector>

namespace lexitor::wordlist::vocabulary {

// The common WordNet lemmas of part of speech `pos` that `word` is an
// inflected form of: the exception lists first, then the detachment rules.
// ran -> run, geese -> goose, eating -> eat.
std::vector<std::string> baseForms(const WordNet& wn, const std::string& word, Pos pos);

// True when `word` is an inflected form of another common WordNet lemma of
// part of speech `pos`: geese (goose), glasses (glass), better (good).
bool isInflection(const WordNet& wn, const std::string& word, Pos pos);

// A crude stem: one common suffix removed, a final i read as y, a doubled
// final consonant halved. happiness, happy -> happ -> hap.
std::string stemOf(std::string_view word);

// True when `token` starts with `word`, shares its first four letters, is
// the head or tail of a compound with it, is an irregular form of it, or
// shares its stem.
bool sharesRoot(const WordNet& wn, const std::string& word, const std::string& token);

// True when any word of `text` shares the root of `word`.
bool mentionsWord(const WordNet& wn, const std::string& word, std::string_view text);

} // namespace lexitor::wordlist::vocabulary
