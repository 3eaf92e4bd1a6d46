#pragma once
// What an answer makes of a word's stored state: a right answer is graded
// Good, a wrong one (or Help Me) Again, and the word falls due when its
// chance of recall reaches the desired retention.

#include "store/ReviewLog.h"

#include <optional>

namespace lexitor::review {

// The state after an answer on `day`; `asNew` when Review asked the word as
// a new one.
store::ReviewState afterAnswer(const std::optional<store::ReviewState>& before, bool right, int day,
                               bool asNew = false);

// The model's chance that the word is recalled on `day`.
double recallChance(const store::ReviewState& state, int day);

} // namespace lexitor::review
