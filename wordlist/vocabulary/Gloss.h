#pragma once
// A WordNet gloss split into its definition and its quoted examples, and the
// definition cut down to a meaning that fits an option button.

#include <cstddef>
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

Gloss splitGloss(std::string_view gloss);

// The whole definition when it fits in kMaxMeaningLength characters, else its
// first clause when that fits, else nothing: the word has no usable meaning.
std::optional<std::string> meaningFromDefinition(std::string_view definition);

} // namespace lexitor::wordlist::vocabulary
