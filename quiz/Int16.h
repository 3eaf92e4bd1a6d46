#pragma once
// Levels, counters and scores are 16-bit signed numbers; going past their
// range is an overflow, which is fatal like an engine failure.

#include <QtGlobal>

#include <limits>
#include <stdexcept>

namespace lexitor::quiz {

class OverflowError : public std::runtime_error {
public:
    OverflowError() : std::runtime_error("Overflow") {}
};

inline qint16 toInt16(long long value) {
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw OverflowError();
    return static_cast<qint16>(value);
}

} // namespace lexitor::quiz
