#pragma once
// A definition that gives its word away ("argue": "present reasons and
// arguments") made fair by leaving out what shares the word's root, where
// the text reads on without it: a clause of its own ("make known; make an
// announcement"), or one item of a list ("express complaints, discontent,
// displeasure, or unhappiness"). Never a blank in its place: an option with
// a gap would stand out among the others.

#include "wordlist/vocabulary/WordNet.h"

#include <optional>
#include <string>
#include <string_view>

namespace lexitor::wordlist::vocabulary {

// `definition` (clauses joined by "; ") without the words sharing `word`'s
// root, or nothing when they cannot be left out.
std::optional<std::string> withoutRootWords(const WordNet& wn, const std::string& word,
                                            std::string_view definition);

} // namespace lexitor::wordlist::vocabulary
