#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>

namespace lexitor::wordlist::vocabulary {
namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// The runs of bytes that `inToken` accepts, ASCII lower-cased.
template <typename InToken>
std::vector<std::string> tokensOf(std::string_view text, InToken inToken) {
    std::vector<std::string> tokens;
    std::string current;
    for (char c : text) {
        if (inToken(c)) {
            current += lower(c);
        } else if (!current.empty()) {
            tokens.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty())
        tokens.push_back(std::move(current));
    return tokens;
}

} // namespace

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

void splitSpaces(std::string_view text, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\t'))
            ++i;
        std::size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\r' && text[end] != '\t')
            ++end;
        if (end > i)
            fields.push_back(text.substr(i, end - i));
        i = end;
    }
}

bool isLowerCase(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::string lowerCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lower);
    return result;
}

bool isPlainLowerWord(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::vector<std::string> letterTokens(std::string_view text) {
    return tokensOf(text, isAsciiLetter);
}

std::vector<std::string> wordTokens(std::string_view text) {
    return tokensOf(text, [](char c) {
        return isAsciiLetter(c) || (c >= '0' && c <= '9') || static_cast<unsigned char>(c) >= 0x80;
    });
}

bool containsWholeWord(std::string_view text, std::string_view word) {
    const std::vector<std::string> tokens = letterTokens(text);
    return std::find(tokens.begin(), tokens.end(), lowerCase(word)) != tokens.end();
}

} // namespace lexitor::wordlist::vocabulary
