#include "quiz/UsedOffsets.h"

#include <algorithm>

namespace lexitor::quiz {

qint16 nextUsedSlot(qint16 slot) {
    const auto next = static_cast<qint16>(slot + 1);
    return next == UsedOffsets::kSlotWrap ? qint16{1} : next;
}

void UsedOffsets::recordFirst(qint16 level, qint16 offset) {
    usedSlot_ = 1;
    cells_.at(level)[0] = offset;
}

void UsedOffsets::record(qint16 level, qint16 offset) {
    usedSlot_ = nextUsedSlot(usedSlot_);
    cells_.at(level)[usedSlot_ - 1] = offset;
}

bool UsedOffsets::contains(qint16 level, qint16 offset) const {
    const auto& cells = cells_.at(level);
    return std::find(cells.begin(), cells.begin() + kCompared, offset) != cells.begin() + kCompared;
}

} // namespace lexitor::quiz
