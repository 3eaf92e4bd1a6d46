// FSRS-5 as published (the algorithm's own description and its reference
// schedulers): R the chance of recall, S stability in days, D difficulty,
// G the grade 1..4, t whole days since the last review.
//
//   R(t, S)  = (1 + F t / S)^C                      C = -0.5, F = 19/81, so R(S, S) = 0.9
//   I(r, S)  = S / F (r^(1/C) - 1)                  days until R falls to r
//   S0(G)    = w[G-1]
//   D0(G)    = w4 - e^(w5 (G - 1)) + 1
//   D'       = w7 D0(4) + (1 - w7) (D + dD (10 - D) / 9),   dD = -w6 (G - 3)
//   recalled: S' = S (e^w8 (11 - D) S^-w9 (e^(w10 (1 - R)) - 1) h e + 1)
//             h = w15 for Hard, e = w16 for Easy, else 1
//   lapsed:   S' = min(w11 D^-w12 ((S + 1)^w13 - 1) e^(w14 (1 - R)), S / e^(w17 w18))
//   same day: S' = S e^(w17 (G - 3 + w18))
// D stays within 1..10 and S at least 0.01; the stability update uses D
// from before the review.
#include "review/Fsrs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lexitor::review {

namespace {

// FSRS-5's default parameters w0 .. w18.
constexpr std::array<double, 19> w = {0.40255, 1.18385, 3.173,  15.69105, 7.1949, 0.5345, 1.4604,
                                      0.0046,  1.54575, 0.1192, 1.01925,  1.9395, 0.11,   0.29605,
                                      2.2698,  0.2315,  2.9898, 0.51655,  0.6621};
constexpr double kDecay = -0.5;
constexpr double kFactor = 19.0 / 81.0;
constexpr double kLeastStability = 0.01;
constexpr int kLongestInterval = 36500;

int g(Grade grade) {
    return static_cast<int>(grade);
}

double initialDifficulty(Grade grade) {
    return w[4] - std::exp(w[5] * (g(grade) - 1)) + 1;
}

double nextDifficulty(double d, Grade grade) {
    const double delta = -w[6] * (g(grade) - 3);
    const double damped = d + delta * (10 - d) / 9;
    return std::clamp(w[7] * initialDifficulty(Grade::Easy) + (1 - w[7]) * damped, 1.0, 10.0);
}

double recalledStability(const Memory& m, double r, Grade grade) {
    const double hard = grade == Grade::Hard ? w[15] : 1.0;
    const double easy = grade == Grade::Easy ? w[16] : 1.0;
    return m.stability * (std::exp(w[8]) * (11 - m.difficulty) * std::pow(m.stability, -w[9]) *
                              (std::exp(w[10] * (1 - r)) - 1) * hard * easy +
                          1);
}

double lapsedStability(const Memory& m, double r) {
    const double s = w[11] * std::pow(m.difficulty, -w[12]) *
                     (std::pow(m.stability + 1, w[13]) - 1) * std::exp(w[14] * (1 - r));
    return std::min(s, m.stability / std::exp(w[17] * w[18]));
}

} // namespace

double retrievability(double elapsedDays, double stability) {
    return std::pow(1 + kFactor * elapsedDays / stability, kDecay);
}

Memory firstMemory(Grade grade) {
    return {std::max(w[g(grade) - 1], kLeastStability),
            std::clamp(initialDifficulty(grade), 1.0, 10.0)};
}

Memory nextMemory(const Memory& memory, int elapsedDays, Grade grade) {
    double s = 0;
    if (elapsedDays <= 0) {
        s = memory.stability * std::exp(w[17] * (g(grade) - 3 + w[18]));
    } else {
        const double r = retrievability(elapsedDays, memory.stability);
        s = grade == Grade::Again ? lapsedStability(memory, r)
                                  : recalledStability(memory, r, grade);
    }
    return {std::max(s, kLeastStability), nextDifficulty(memory.difficulty, grade)};
}

int intervalDays(double stability) {
    const double days = stability / kFactor * (std::pow(kDesiredRetention, 1 / kDecay) - 1);
    return static_cast<int>(std::clamp(std::round(days), 1.0, double(kLongestInterval)));
}

} // namespace lexitor::review
