#pragma once
// What the quiz screen keeps for one quiz. A new quiz screen starts from
// these defaults: every number 0, every flag false, every cell empty.

#include "quiz/QuizRules.h"
#include "quiz/UsedOffsets.h"

#include <QtGlobal>

#include <array>
#include <string>

namespace lexitor::quiz {

struct QuizState {
    std::array<std::string, store::kLevelCount> levelFile;
    // Row counts, taken once at the start; tables over 32767 rows are refused.
    std::array<qint16, store::kLevelCount> recCount{};
    std::array<bool, store::kLevelCount> levelUsedUp{};
    UsedOffsets usedOffsets; // also keeps usedSlot
    qint16 currentLevel = 0;
    qint16 answerSlot = 0; // 1..4; 0 while helping, so no option counts
    // Counted wider than 16 bits so that a long quiz neither wraps nor ends
    // in an overflow.
    int score = 0;
    int maxScore = 0;
    qint16 blockPos = 0;
    std::array<qint16, 4> blockMarks{}; // positions 1..3 of a block
};

} // namespace lexitor::quiz
