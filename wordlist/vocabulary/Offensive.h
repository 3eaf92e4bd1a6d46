#pragma once
// What keeps offensive words and senses out of a classroom's lists: WordNet's
// usage domains, the wording of its glosses, the company a sense keeps (a
// synset that holds a banned word) and a short ban list for what all miss.

#include "wordlist/vocabulary/WordNet.h"

#include <string>
#include <string_view>

namespace lexitor::wordlist::vocabulary {

// The sense of `synset` that its word at `position` (0 for the first; npos
// when none in particular) has. A usage domain may concern one word of a
// synset only: "stiff", not "corpse", is slang for a dead body.

// An obscenity, an expletive or an ethnic slur.
bool isObsceneOrSlur(const WordNet& wn, const Synset& synset, std::size_t position = 0);

// Disparaging, derogatory or slang.
bool isDisparaging(const WordNet& wn, const Synset& synset, std::size_t position = 0);

// A definition about sex: nothing a school list carries.
bool isSexual(const Synset& synset);

// Any of the three: a sense never taught by default.
bool isOffensiveSense(const WordNet& wn, const Synset& synset, std::size_t position = 0);

bool isBannedWord(std::string_view word);

// A word a reader meets as offensive: banned, its main sense offensive, or
// the first sense of another of its parts of speech, if anyone meets it,
// obscene or about sex.
bool isOffensiveWord(const WordNet& wn, const std::string& lemma);

} // namespace lexitor::wordlist::vocabulary
