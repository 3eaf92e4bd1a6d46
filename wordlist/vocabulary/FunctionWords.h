#pragma once
// The words of English's closed classes (pronouns, determiners,
// prepositions, conjunctions, modal verbs), which WordNet, a dictionary of
// nouns, verbs, adjectives and adverbs, does not hold: a listed "although"
// is told apart from a misspelling.

#include <optional>
#include <string_view>

namespace lexitor::wordlist::vocabulary {

// "a conjunction", "a preposition" ... for a lower-case function word;
// nothing for any other word.
std::optional<std::string_view> functionWordClass(std::string_view word);

} // namespace lexitor::wordlist::vocabulary
