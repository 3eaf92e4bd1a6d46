#pragma once
// The memory model that schedules Review: FSRS-5, the fifth version of the
// Free Spaced Repetition Scheduler (open-spaced-repetition, 2024), with its
// published default parameters and a desired retention of 90%. Time is an
// argument: whole local days between reviews.

namespace lexitor::review {

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct Memory {
    double stability = 0;  // days until the chance of recall falls to 90%
    double difficulty = 0; // 1 (easiest) .. 10
};

inline constexpr double kDesiredRetention = 0.9;

// The chance of recall `elapsedDays` after the last review.
double retrievability(double elapsedDays, double stability);
// After the first answer.
Memory firstMemory(Grade grade);
// After a review `elapsedDays` whole days after the last one (0: the same day).
Memory nextMemory(const Memory& memory, int elapsedDays, Grade grade);
// Whole days until recall falls to the desired retention, 1 .. 36500.
int intervalDays(double stability);

} // namespace lexitor::review
