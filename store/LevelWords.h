#pragma once
// Whether a word is already in a level: the test "Add Records" makes before
// it stores a word, and every import and the Jet conversion with it. The
// word is sought without the blanks around it in each level's index, which
// compares words as store/WordRules.h says.

#include "store/WordRecord.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lexitor::store {

// The word as the duplicate test seeks it: without the blanks around it.
std::string searchWord(std::string_view typed);

// The tables of the three levels, by level; null for a level that has no
// file, which holds no words.
using LevelTables = std::array<Recordset*, kLevelCount>;

// The first level whose index holds `typed`, or nullopt. Every table given
// is set to its level's index and sought ("=" with searchWord(typed)) in
// level order; a table that holds the word stands on that row afterwards.
std::optional<int> levelHolding(const LevelTables& tables, std::string_view typed);

} // namespace lexitor::store
