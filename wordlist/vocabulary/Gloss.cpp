#include "wordlist/vocabulary/Gloss.h"

#include "wordlist/vocabulary/TextTools.h"

namespace lexitor::wordlist::vocabulary {
namespace {

// Splits at semicolons that are not inside a quoted example.
std::vector<std::string_view> clauses(std::string_view text) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == ';' && !quoted) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string_view withoutTrailingPunctuation(std::string_view text) {
    while (!text.empty() && (text.back() == ':' || text.back() == ',' || text.back() == ';' ||
                             text.back() == ' ' || text.back() == '-'))
        text.remove_suffix(1);
    return text;
}

void collectExamples(std::string_view text, std::vector<std::string>& out) {
    std::size_t open = text.find('"');
    while (open != std::string_view::npos) {
        const std::size_t close = text.find('"', open + 1);
        const std::string_view example = trimmed(text.substr(
            open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
        if (!example.empty())
            out.emplace_back(example);
        if (close == std::string_view::npos)
            break;
        open = text.find('"', close + 1);
    }
}

} // namespace

Gloss splitGloss(std::string_view gloss) {
    Gloss result;
    for (std::string_view clause : clauses(gloss)) {
        clause = trimmed(clause);
        const std::size_t quote = clause.find('"');
        const std::string_view definition =
            withoutTrailingPunctuation(trimmed(clause.substr(0, quote)));
        if (!definition.empty()) {
            if (!result.definition.empty())
                result.definition += "; ";
            result.definition += definition;
        }
        if (quote != std::string_view::npos)
            collectExamples(clause.substr(quote), result.examples);
    }
    return result;
}

std::optional<std::string> meaningFromDefinition(std::string_view definition) {
    definition = withoutTrailingPunctuation(trimmed(definition));
    if (definition.size() > kMaxMeaningLength) {
        const std::size_t semicolon = definition.find(';');
        if (semicolon == std::string_view::npos)
            return std::nullopt;
        definition = withoutTrailingPunctuation(trimmed(definition.substr(0, semicolon)));
        if (definition.size() > kMaxMeaningLength)
            return std::nullopt;
    }
    if (definition.empty())
        return std::nullopt;
    return std::string(definition);
}

} // namespace lexitor::wordlist::vocabulary
