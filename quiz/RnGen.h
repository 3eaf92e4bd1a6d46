#pragma once
// The quiz's one source of chance, and the weight of a question.

#include <QtGlobal>

#include <functional>

namespace lexitor::quiz {

// A whole number from lower to upper, both included (lower <= upper).
// Every call stirs the clock into the generator, so draws in quick
// succession stay independent of each other.
qint16 RndInt(qint16 lower, qint16 upper);

// The generator's next value u, 0 <= u < 1.
double nextUniform();

// What RndInt makes of one value u of the generator (0 <= u < 1): the
// whole part of span * u + lower, at most upper.
qint16 rndIntOf(double u, qint16 lower, qint16 upper);

// A source of values u, 0 <= u < 1, in place of the generator.
using UniformSource = std::function<double()>;

// `total` plus the weight of a question at `level` (0, 1 or 2): level + 1.
// Scores are counted in 32 bits: a long quiz must not wrap them.
int AddLevelPoints(qint16 level, int total);

} // namespace lexitor::quiz
