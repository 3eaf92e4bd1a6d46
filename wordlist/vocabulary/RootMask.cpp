#include "wordlist/vocabulary/RootMask.h"

#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/WordForms.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace lexitor::wordlist::vocabulary {
namespace {

// List separators, the longest first so that ", or " is not read as ", ".
constexpr std::array<std::string_view, 5> kSeparators = {", and ", ", or ", ", ", " and ", " or "};

struct List {
    std::vector<std::string> items;
    std::vector<std::string> separators; // separators[i] stands before items[i + 1]
};

// The clause as a list: split at separators outside brackets.
List listOf(std::string_view clause) {
    List list;
    std::string item;
    std::size_t depth = 0;
    for (std::size_t i = 0; i < clause.size();) {
        depth += clause[i] == '(';
        depth -= depth > 0 && clause[i] == ')';
        const auto separator =
            std::find_if(kSeparators.begin(), kSeparators.end(),
                         [&](std::string_view s) { return clause.substr(i).starts_with(s); });
        if (depth == 0 && separator != kSeparators.end()) {
            list.items.push_back(std::move(item));
            item.clear();
            list.separators.emplace_back(*separator);
            i += separator->size();
        } else {
            item += clause[i++];
        }
    }
    list.items.push_back(std::move(item));
    return list;
}

std::string textOf(const List& list) {
    std::string text = list.items.front();
    for (std::size_t i = 1; i < list.items.size(); ++i)
        text += list.separators[i - 1] + list.items[i];
    return text;
}

std::vector<std::string> wordsOf(const std::string& item) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= item.size()) {
        const std::size_t end = std::min(item.find(' ', start), item.size());
        words.push_back(item.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string joinedWords(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text.append(i == from ? "" : " ").append(words[i]);
    return text;
}

bool isArticle(const std::string& word) {
    return word == "a" || word == "an" || word == "the";
}

bool bracketsPair(std::string_view text) {
    int depth = 0;
    for (char c : text)
        if ((depth += c == '(' ? 1 : c == ')' ? -1 : 0) < 0)
            return false;
    return depth == 0;
}

// Leaves out one word sharing the root at the edge of a list item: a whole
// item, the last word of an item with its separator, or the first word of
// an item with the separator before it. False when no word can go.
bool leaveOutOne(List& list, const std::function<bool(const std::string&)>& mentions) {
    const std::size_t count = list.items.size();
    for (std::size_t k = 0; k < count; ++k) {
        const std::vector<std::string> words = wordsOf(list.items[k]);
        const bool first = mentions(words.front()), last = mentions(words.back());
        if (!first && !last)
            continue;
        if (count < 2)
            return false;
        if (words.size() == 1) {
            const std::size_t separator = k == 0 ? 0 : k - 1;
            // The last item goes with its "or"/"and", which the new last one takes.
            if (k == count - 1 && separator > 0)
                list.separators[separator - 1] = list.separators[separator];
            list.items.erase(list.items.begin() + std::ptrdiff_t(k));
            list.separators.erase(list.separators.begin() + std::ptrdiff_t(separator));
        } else if (last && k + 1 < count) {
            // "receives a part or a share": the article goes with the word.
            std::size_t keep = words.size() - 1;
            if (keep > 1 && isArticle(words[keep - 1]) && isArticle(wordsOf(list.items[k + 1])[0]))
                --keep;
            // What is left must still take the next item: "express discontent",
            // "as birds do", never "produced in resembling".
            const std::string next = wordsOf(list.items[k + 1]).front();
            if (!endsAPhrase(joinedWords(words, 0, keep)) &&
                (!endsAPhrase(next) || next.ends_with("ed")))
                return false;
            list.items[k] = joinedWords(words, 0, keep) + " " + list.items[k + 1];
            list.items.erase(list.items.begin() + std::ptrdiff_t(k + 1));
            list.separators.erase(list.separators.begin() + std::ptrdiff_t(k));
        } else if (first && k > 0) {
            list.items[k - 1].append(" ").append(joinedWords(words, 1, words.size()));
            list.items.erase(list.items.begin() + std::ptrdiff_t(k));
            list.separators.erase(list.separators.begin() + std::ptrdiff_t(k - 1));
        } else {
            return false;
        }
        // Two items left are joined without the comma a longer list needs.
        if (list.items.size() == 2 && list.separators[0].starts_with(", ") &&
            list.separators[0] != ", ")
            list.separators[0] = list.separators[0].substr(1);
        return true;
    }
    return false;
}

std::optional<std::string>
clauseWithoutRoot(std::string_view clause,
                  const std::function<bool(const std::string&)>& mentions) {
    List list = listOf(clause);
    for (int tries = 0; tries < 3; ++tries) {
        const std::string text = textOf(list);
        if (!mentions(text))
            return bracketsPair(text) ? std::optional(text) : std::nullopt;
        if (!leaveOutOne(list, mentions))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> withoutRootWords(const WordNet& wn, const std::string& word,
                                            std::string_view definition) {
    const auto mentions = [&](const std::string& text) { return mentionsWord(wn, word, text); };
    const std::vector<std::string> clauses = clausesOf(definition);
    std::vector<std::string> fair;
    for (const std::string& clause : clauses)
        if (!mentions(clause))
            fair.push_back(clause);
    if (fair.empty()) {
        for (const std::string& clause : clauses)
            if (std::optional<std::string> cut = clauseWithoutRoot(clause, mentions))
                fair.push_back(std::move(*cut));
    }
    if (fair.empty())
        return std::nullopt;
    std::string text;
    for (const std::string& clause : fair)
        text += (text.empty() ? "" : "; ") + clause;
    return text;
}

} // namespace lexitor::wordlist::vocabulary
