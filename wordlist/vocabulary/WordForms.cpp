#include "wordlist/vocabulary/WordForms.h"

#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lexitor::wordlist::vocabulary {
namespace {

using Rule = std::pair<std::string_view, std::string_view>; // suffix, replacement

// WordNet's detachment rules (morphy), per part of speech.
constexpr std::array<Rule, 8> kNounRules = {{{"s", ""},
                                             {"ses", "s"},
                                             {"xes", "x"},
                                             {"zes", "z"},
                                             {"ches", "ch"},
                                             {"shes", "sh"},
                                             {"men", "man"},
                                             {"ies", "y"}}};
constexpr std::array<Rule, 8> kVerbRules = {{{"s", ""},
                                             {"ies", "y"},
                                             {"es", "e"},
                                             {"es", ""},
                                             {"ed", "e"},
                                             {"ed", ""},
                                             {"ing", "e"},
                                             {"ing", ""}}};
constexpr std::array<Rule, 4> kAdjRules = {{{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}}};

// The common lemmas of part of speech `pos` that `word` detaches to, added
// to `out` in rule order.
template <std::size_t N>
void detach(const WordNet& wn, const std::string& word, Pos pos, const std::array<Rule, N>& rules,
            std::vector<std::string>& out) {
    for (const auto& [suffix, ending] : rules) {
        if (!word.ends_with(suffix))
            continue;
        std::string base = word.substr(0, word.size() - suffix.size()) + std::string(ending);
        if (!base.empty() && base != word && wn.isCommonLemma(base, pos) &&
            std::find(out.begin(), out.end(), base) == out.end())
            out.push_back(std::move(base));
    }
}

constexpr std::array<std::string_view, 48> kSuffixes = {
    "ational", "fulness", "iveness", "ousness", "ization", "ations", "nesses", "ingly",
    "ation",   "ities",   "ments",   "ness",    "ment",    "ings",   "ship",   "less",
    "able",    "ible",    "ance",    "ence",    "ally",    "sion",   "tion",   "ity",
    "ing",     "ies",     "ied",     "ers",     "est",     "ful",    "ous",    "ive",
    "ize",     "ise",     "ism",     "ist",     "ion",     "ial",    "ian",    "al",
    "ic",      "ly",      "ed",      "er",      "es",      "s",      "y",      "e"};

bool isVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

std::size_t commonPrefix(std::string_view a, std::string_view b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

// What the root test needs of the word, worked out once for all the tokens
// of a text.
struct WordRoot {
    const std::string& word;
    const std::vector<std::string>& irregularForms;
    std::string stem;
};

WordRoot rootOf(const WordNet& wn, const std::string& word) {
    return {word, wn.irregularForms(word), stemOf(word)};
}

bool shares(const WordRoot& root, const std::string& token) {
    const std::string& word = root.word;
    if (token.starts_with(word))
        return true;
    // A learner who picks the option sharing the word's first four letters
    // must not be rewarded: society / social, magician / magic.
    if (word.size() >= 4 && token.size() >= 4 && commonPrefix(word, token) >= 4)
        return true;
    // Compounds: wheelchair / chair, microorganism / organism.
    if ((word.size() >= 4 && token.ends_with(word)) || (token.size() >= 4 && word.ends_with(token)))
        return true;
    const auto& forms = root.irregularForms;
    if (std::find(forms.begin(), forms.end(), token) != forms.end())
        return true;
    const std::string& a = root.stem;
    const std::string b = stemOf(token);
    if (a.size() < 3 || b.size() < 3)
        return false;
    if (a == b)
        return true;
    // Different endings on one root: decide / decision -> decid / decis.
    const std::size_t shorter = std::min(a.size(), b.size());
    return commonPrefix(a, b) >= std::max<std::size_t>(4, shorter - 1);
}

} // namespace

std::vector<std::string> baseForms(const WordNet& wn, const std::string& word, Pos pos) {
    std::vector<std::string> bases;
    for (const std::string& base : wn.exceptionBases(pos, word))
        if (wn.isCommonLemma(base, pos))
            bases.push_back(base);
    switch (pos) {
    case Pos::Noun:
        detach(wn, word, pos, kNounRules, bases);
        break;
    case Pos::Verb:
        detach(wn, word, pos, kVerbRules, bases);
        break;
    case Pos::Adj:
        detach(wn, word, pos, kAdjRules, bases);
        break;
    case Pos::Adv:
        break;
    }
    return bases;
}

bool isInflection(const WordNet& wn, const std::string& word, Pos pos) {
    return !baseForms(wn, word, pos).empty();
}

std::string stemOf(std::string_view word) {
    std::string stem(word);
    for (std::string_view suffix : kSuffixes) {
        if (stem.size() >= suffix.size() + 3 && stem.ends_with(suffix)) {
            stem.resize(stem.size() - suffix.size());
            break;
        }
    }
    if (stem.size() > 4 && stem.back() == 'i')
        stem.pop_back();
    if (stem.size() > 3 && stem.back() == stem[stem.size() - 2] && !isVowel(stem.back()))
        stem.pop_back();
    return stem;
}

bool sharesRoot(const WordNet& wn, const std::string& word, const std::string& token) {
    return shares(rootOf(wn, word), token);
}

bool mentionsWord(const WordNet& wn, const std::string& word, std::string_view text) {
    const std::vector<std::string> tokens = letterTokens(text);
    const WordRoot root = rootOf(wn, word);
    return std::any_of(tokens.begin(), tokens.end(),
                       [&](const std::string& token) { return shares(root, token); });
}

} // namespace lexitor::wordlist::vocabulary
