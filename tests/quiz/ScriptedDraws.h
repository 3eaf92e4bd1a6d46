#pragma once
// The quiz's chances answered from a queue per named draw. A dry queue gives
// offsets running through the range, so that a repeat is followed by a
// fresh one, and answer slots 1, 2, 3, 4 in turn. A quiz screen draws from
// it when its services carry it (ScriptedMessages::services).

#include "quiz/Drawer.h"

#include <deque>
#include <stdexcept>

namespace lexitor::testing {

class ScriptedDraws : public quiz::RandomSource {
public:
    ScriptedDraws() = default;
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;

    qint16 offset(qint16 last) override { return next(offsets, drawn_[0], last); }
    qint16 answerSlot() override { return next(answerSlots, drawn_[1], quiz::kOptionCount); }
    qint16 substitute(qint16 last) override { return next(substitutes, drawn_[2], last); }

    std::deque<qint16> offsets, answerSlots, substitutes;

private:
    static qint16 next(std::deque<qint16>& queue, int& drawn, qint16 last) {
        if (queue.empty())
            return static_cast<qint16>(1 + drawn++ % last);
        const qint16 value = queue.front();
        queue.pop_front();
        if (value < 1 || value > last)
            throw std::logic_error("scripted draw outside 1.." + std::to_string(last));
        return value;
    }
    int drawn_[3] = {};
};

} // namespace lexitor::testing
