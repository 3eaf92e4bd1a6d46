#pragma once
// The generator's own pseudo-random numbers (SplitMix64), so that the same
// seed gives the same lists on every platform and library version.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lexitor::wordlist::vocabulary {

inline constexpr std::uint64_t kDefaultSeed = 0x4c657869746f7221ULL;

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // A whole number in [0, n), without modulo bias; n must be positive.
    std::size_t below(std::size_t n) {
        const std::uint64_t span = n;
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
        std::uint64_t x = next();
        while (x >= limit)
            x = next();
        return static_cast<std::size_t>(x % span);
    }

private:
    std::uint64_t state_ = 0;
};

// FNV-1a: gives each word its own stream, so that dropping one word does not
// reshuffle the choices made for all the others.
inline std::uint64_t hashText(std::string_view text) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (unsigned char c : text) {
        h ^= c;
        h *= 0x100000001b3ULL;
    }
    return h;
}

} // namespace lexitor::wordlist::vocabulary
