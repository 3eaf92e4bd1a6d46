#pragma once
// A WordNet gloss split into its definition and its quoted examples, both
// cleaned of the dictionary's markup, and the definition cut down to a
// meaning that fits an option button.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexitor::wordlist::vocabulary {

inline constexpr std::size_t kMaxMeaningLength = 80;

struct Gloss {
    std::string definition;            // clauses joined by "; ", examples removed
    std::vector<std::string> examples; // without their quotes, in gloss order
};

// The definition is what comes before the first example; notes between
// examples ("(`plenty' is nonstandard)") are not part of it.
Gloss splitGloss(std::string_view gloss);

// The definition without usage notes ("(usually followed by `to')", "often
// used in combination"), quoting backticks, or an "e.g." left dangling by
// the examples' removal; nothing when what is left is not a whole text
// (unbalanced brackets).
std::optional<std::string> cleanDefinition(std::string_view definition);

// An example with WordNet's `quoted' words in plain double quotes.
std::string cleanExample(std::string_view example);

// The definition's clauses (split at "; " outside brackets).
std::vector<std::string> clausesOf(std::string_view definition);

// True when `text` ends on a word that closes a phrase: not a preposition,
// conjunction or article, an adverb, a participle, or a verb after "to".
bool endsAPhrase(std::string_view text);

// The whole definition when it fits in kMaxMeaningLength characters, else its
// first clause when that fits, else that clause ended early where it still
// says what it defines ("any of numerous small rodents typically resembling
// diminutive rats"), else nothing: the word has no usable meaning.
std::optional<std::string> meaningFromDefinition(std::string_view definition);

} // namespace lexitor::wordlist::vocabulary
