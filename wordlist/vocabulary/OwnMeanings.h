#pragma once
// Everything that would be a right answer for a word: the meaning of any
// sense of the word (or of the base form it was written for), and of any
// word that shares one of those senses with it. "get" shares a sense with
// "find", so "come upon, as if by accident" is a right answer for "get"
// too, and never one of its wrong options.

#include "wordlist/vocabulary/WordNet.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace lexitor::wordlist::vocabulary {

class OwnMeanings {
public:
    OwnMeanings() = default;
    // The meanings of `lemmas` (lower case, '_' for a space) and their synonyms.
    OwnMeanings(const WordNet& wn, const std::vector<std::string>& lemmas);

    bool holdsSynset(SynsetId id) const { return synsets_.contains(id); }
    // True when `meaning` is one of these meanings or a phrase of one:
    // "carry out" is said by "perform or carry out".
    bool says(std::string_view meaning) const;
    bool says(const std::vector<std::string>& meaning) const; // as wordTokens

private:
    std::unordered_set<SynsetId, SynsetIdHash> synsets_;
    std::vector<std::vector<std::string>> definitions_; // as letter tokens
};

// True when the words of `phrase` stand together, in order, in `text`.
bool containsPhrase(const std::vector<std::string>& text, const std::vector<std::string>& phrase);

// True when two meanings say the same thing: one is a phrase of the other,
// word for word (ignoring case and punctuation). A text without a word
// says nothing.
bool sayTheSame(std::string_view a, std::string_view b);
bool sayTheSame(const std::vector<std::string>& a, const std::vector<std::string>& b);

} // namespace lexitor::wordlist::vocabulary
