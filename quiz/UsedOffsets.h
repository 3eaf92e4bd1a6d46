#pragma once
// The row offsets already asked, per level, in cells shared out in turn:
// one cell per question, cells 0..197 reused by all levels together.

#include "quiz/QuizRules.h"

#include <QtGlobal>

#include <array>

namespace lexitor::quiz {

class UsedOffsets {
public:
    static constexpr int kCells = 200;
    static constexpr int kCompared = 100; // only cells 0..99 are looked at
    static constexpr qint16 kSlotWrap = 199;

    // The first question's offset: cell 0, and the slot counter starts at 1.
    void recordFirst(qint16 level, qint16 offset);
    // A later question's offset: the slot counter moves on (199 wraps to 1)
    // and the offset goes into cell slot - 1.
    void record(qint16 level, qint16 offset);
    // Whether one of cells 0..99 of the level holds the offset.
    bool contains(qint16 level, qint16 offset) const;

    qint16 usedSlot() const { return usedSlot_; }
    qint16 cell(qint16 level, int index) const { return cells_.at(level).at(index); }

private:
    // Unwritten cells hold 0, which no drawn offset equals.
    std::array<std::array<qint16, kCells>, store::kLevelCount> cells_{};
    qint16 usedSlot_ = 0;
};

// The slot counter after `slot`: 1..198, then 1 again.
qint16 nextUsedSlot(qint16 slot);

} // namespace lexitor::quiz
