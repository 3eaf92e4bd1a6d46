#include "quiz/RnGen.h"

#include "quiz/Int16.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace lexitor::quiz {

namespace {

std::uint64_t mix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t clockReading() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// A splitmix generator whose state the clock is added into on every draw.
// The state is never replaced by the clock, so two draws within one tick
// of a coarse clock still differ.
class Generator {
public:
    double next() {
        state_ += mix64(clockReading()) + kGamma;
        // 24 bits: u has single precision, so span * u + lower cannot round
        // up to the next whole number.
        return static_cast<double>(mix64(state_) >> 40) * 0x1.0p-24;
    }

private:
    static constexpr std::uint64_t kGamma = 0x9E3779B97F4A7C15ULL;
    std::uint64_t state_ = mix64(clockReading() ^ reinterpret_cast<std::uintptr_t>(this));
};

} // namespace

double nextUniform() {
    static Generator generator;
    return generator.next();
}

qint16 RndInt(qint16 lower, qint16 upper) {
    return rndIntOf(nextUniform(), lower, upper);
}

qint16 rndIntOf(double u, qint16 lower, qint16 upper) {
    if (upper < lower)
        throw std::logic_error("RndInt: empty range");
    const qint16 span = toInt16(static_cast<long long>(upper) - lower + 1);
    if (!(u >= 0.0 && u < 1.0))
        throw std::logic_error("random value outside [0, 1)");
    const double drawn = std::floor(static_cast<double>(span) * u + static_cast<double>(lower));
    // A u closer to 1 than single precision can hold may round the sum up
    // to upper + 1; it still belongs to the top value.
    return toInt16(std::clamp<long long>(static_cast<long long>(drawn), lower, upper));
}

int AddLevelPoints(qint16 level, int total) {
    if (total > std::numeric_limits<int>::max() - (level + 1))
        throw OverflowError();
    return total + level + 1;
}

} // namespace lexitor::quiz
