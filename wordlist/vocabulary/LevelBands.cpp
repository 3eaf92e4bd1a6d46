#include "wordlist/vocabulary/LevelBands.h"

#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/WordForms.h"

#include <algorithm>

namespace lexitor::wordlist::vocabulary {
namespace {

constexpr int kUnknown = 100;

int sizeOf(const WordNet* wn, const ScowlWords& scowl, const std::string& word) {
    if (const auto it = scowl.find(word); it != scowl.end())
        return it->second;
    int best = kUnknown;
    if (wn) {
        for (std::size_t pos = 0; pos < kPosCount; ++pos)
            for (const std::string& base : baseForms(*wn, word, Pos(pos)))
                if (const auto it = scowl.find(base); it != scowl.end())
                    best = std::min(best, it->second);
    }
    return best;
}

} // namespace

int commonnessOf(const WordNet* wn, const ScowlWords& scowl, const std::string& word) {
    if (const auto it = scowl.find(word); it != scowl.end())
        return it->second;
    const std::vector<std::string> tokens = letterTokens(word);
    if (tokens.empty())
        return kUnknown;
    // A phrase is as common as its rarest word.
    int size = 0;
    for (const std::string& token : tokens)
        size = std::max(size, sizeOf(wn, scowl, token));
    return size;
}

int bandOfSize(int size) {
    const int level = levelOfScowlSize(size);
    return level >= 0 ? level : (size < 10 ? 0 : 2);
}

std::vector<int> levelsByCommonness(const std::vector<int>& commonness,
                                    const std::array<int, 3>& present) {
    std::vector<int> levels;
    std::array<int, 3> count = present;
    for (int size : commonness) {
        levels.push_back(bandOfSize(size));
        ++count[std::size_t(levels.back())];
    }
    // The word of level `from` nearest to level `to`: the most common one
    // when moving towards level 0, the least common when moving away.
    const auto nearest = [&](int from, int to) -> std::ptrdiff_t {
        std::ptrdiff_t best = -1;
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (levels[i] != from)
                continue;
            if (best < 0 || (to < from ? commonness[i] < commonness[std::size_t(best)]
                                       : commonness[i] > commonness[std::size_t(best)]))
                best = std::ptrdiff_t(i);
        }
        return best;
    };
    // The other levels, the nearer first.
    constexpr std::array<std::array<int, 2>, 3> kOthers = {{{1, 2}, {0, 2}, {1, 0}}};
    for (int to = 0; to < 3; ++to) {
        while (count[std::size_t(to)] < 2) {
            // From the level with most words to spare, the nearer one on a tie.
            int from = -1;
            for (int level : kOthers[std::size_t(to)]) {
                const bool spare = count[std::size_t(level)] > 2 && nearest(level, to) >= 0;
                if (spare && (from < 0 || count[std::size_t(level)] > count[std::size_t(from)]))
                    from = level;
            }
            if (from < 0)
                break;
            levels[std::size_t(nearest(from, to))] = to;
            --count[std::size_t(from)];
            ++count[std::size_t(to)];
        }
    }
    return levels;
}

} // namespace lexitor::wordlist::vocabulary
