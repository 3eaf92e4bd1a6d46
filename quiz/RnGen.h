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

// Replaces the generator (tests): the source returns u, 0 <= u < 1. An
// empty function restores the generator.
using UniformSource = std::function<double()>;
void setUniformSource(UniformSource source);

// `total` plus the weight of a question at `level` (0, 1 or 2): level + 1.
// Scores are counted in 32 bits: a long quiz must not wrap them.
int AddLevelPoints(qint16 level, int total);

} // namespace lexitor::quiz
