#include "wordlist/vocabulary/Quality.h"

#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace lexitor::wordlist::vocabulary {
namespace {

bool isRegularForm(const std::string& word, const std::string& token) {
    static constexpr std::array<std::string_view, 9> kEndings = {"",    "s",  "es",  "d", "ed",
                                                                 "ing", "er", "est", "ly"};
    if (!token.starts_with(word))
        return false;
    const std::string_view rest = std::string_view(token).substr(word.size());
    return std::find(kEndings.begin(), kEndings.end(), rest) != kEndings.end() ||
           (rest.size() >= 3 && rest[0] == word.back() &&
            (rest.substr(1) == "ed" || rest.substr(1) == "ing"));
}

bool hasRegularForm(const std::string& word, const std::string& text) {
    const auto tokens = letterTokens(text);
    return std::any_of(tokens.begin(), tokens.end(),
                       [&](const std::string& t) { return isRegularForm(word, t); });
}

// The naive guesser's idea of a shared root: a word of the option agrees with
// the quiz word in its first four letters (all of them for shorter words).
bool looksRelated(const std::string& word, const std::string& option) {
    const std::size_t need = std::min<std::size_t>(4, word.size());
    const auto tokens = letterTokens(option);
    return std::any_of(tokens.begin(), tokens.end(), [&](const std::string& t) {
        return t.size() >= need && t.compare(0, need, word, 0, need) == 0;
    });
}

// The expected score of a guesser that picks at random among the options
// `picked` marks, or among all four when it marks none. The answer is option 0.
double expectedScore(const std::array<bool, 4>& picked) {
    const auto count = std::count(picked.begin(), picked.end(), true);
    if (count == 0)
        return 0.25;
    return picked[0] ? 1.0 / double(count) : 0.0;
}

} // namespace

LevelQuality measureLevel(const std::vector<store::WordRecord>& records) {
    LevelQuality q;
    q.words = records.size();
    if (records.empty())
        return q;
    for (const store::WordRecord& r : records) {
        const std::string word = r.word.value_or("");
        const std::array<std::string, 4> options = {r.ans.value_or(""), r.c1.value_or(""),
                                                    r.c2.value_or(""), r.c3.value_or("")};
        q.withRef += r.ref.has_value() ? 1 : 0;
        q.longMeanings += options[0].size() > kMaxMeaningLength ? 1 : 0;
        q.meaningHasWord += hasRegularForm(word, options[0]) ? 1 : 0;
        std::array<bool, 4> related{};
        std::array<bool, 4> longest{};
        std::size_t maxLength = 0;
        for (const auto& option : options)
            maxLength = std::max(maxLength, option.size());
        for (std::size_t i = 0; i < 4; ++i) {
            related[i] = looksRelated(word, options[i]);
            longest[i] = options[i].size() == maxLength;
        }
        q.rootGuess += expectedScore(related);
        q.longestGuess += expectedScore(longest);
    }
    const double n = double(records.size());
    for (double* share :
         {&q.withRef, &q.longMeanings, &q.meaningHasWord, &q.rootGuess, &q.longestGuess})
        *share /= n;
    return q;
}

std::string describeQuality(const LevelQuality& q, int level) {
    char line[400];
    std::snprintf(line, sizeof line,
                  "level %d: %zu words, %.1f%% with a reference, %.1f%% of meanings over 80 "
                  "characters, %.1f%% of meanings containing the word; \"pick the option sharing "
                  "the word's root\" right %.1f%%, \"pick the longest option\" right %.1f%%",
                  level, q.words, 100 * q.withRef, 100 * q.longMeanings, 100 * q.meaningHasWord,
                  100 * q.rootGuess, 100 * q.longestGuess);
    return line;
}

} // namespace lexitor::wordlist::vocabulary
