#include "review/Schedule.h"

#include "review/Fsrs.h"

#include <algorithm>

namespace lexitor::review {

store::ReviewState afterAnswer(const std::optional<store::ReviewState>& before, bool right, int day,
                               bool asNew) {
    const Grade grade = right ? Grade::Good : Grade::Again;
    store::ReviewState state = before.value_or(store::ReviewState{});
    // A clock set back counts as a review on the same day.
    const Memory memory = before ? nextMemory({state.stability, state.difficulty},
                                              std::max(0, day - state.lastDay), grade)
                                 : firstMemory(grade);
    state.stability = memory.stability;
    state.difficulty = memory.difficulty;
    state.lastDay = day;
    state.dueDay = day + intervalDays(memory.stability);
    ++state.answers;
    if (!right)
        ++state.lapses;
    if (asNew && !before)
        state.newOnDay = day;
    return state;
}

double recallChance(const store::ReviewState& state, int day) {
    return retrievability(std::max(0, day - state.lastDay), state.stability);
}

} // namespace lexitor::review
