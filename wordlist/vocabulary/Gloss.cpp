#include "wordlist/vocabulary/Gloss.h"

#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace lexitor::wordlist::vocabulary {
namespace {

// How usage notes begin, inside brackets or as a clause of their own.
// clang-format off
constexpr std::array<std::string_view, 35> kNoteStarts = {
    "used of ", "used as ", "used in the plural", "used in combination", "used with ",
    "used to introduce", "used especially", "used chiefly", "used informally", "usually used",
    "often used", "sometimes used", "usually followed", "often followed", "sometimes followed",
    "followed by", "usually preceded", "often preceded", "preceded by", "plural", "singular",
    "nonstandard", "informal", "often in combination", "usually in combination",
    "in combination", "usually plural", "usually in the plural", "poetic", "literary", "archaic",
    "obsolete", "British", "chiefly", "colloquial"};
// clang-format on

// What a definition may end in once the examples after it are gone.
constexpr std::array<std::string_view, 5> kDanglingEnds = {" as in e.g.", " e.g.", " i.e.", " e.g",
                                                           " as in"};

bool isNote(std::string_view text) {
    text = trimmed(text);
    return text.find('`') != std::string_view::npos ||
           std::any_of(kNoteStarts.begin(), kNoteStarts.end(),
                       [&](std::string_view start) { return text.starts_with(start); });
}

// In brackets, "used ..." says how the word is used ("used pejoratively",
// "used when citing a reference"), unless it says what a thing is for.
bool isBracketedNote(std::string_view text) {
    text = trimmed(text);
    return isNote(text) || (text.starts_with("used ") && !text.starts_with("used for ") &&
                            !text.starts_with("used by "));
}

// Splits at semicolons that are not inside a quoted example.
std::vector<std::string_view> glossClauses(std::string_view text) {
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
            out.push_back(cleanExample(example));
        if (close == std::string_view::npos)
            break;
        open = text.find('"', close + 1);
    }
}

// `text` without the bracketed notes in it; nothing when its brackets do
// not pair up.
std::optional<std::string> withoutBracketedNotes(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ')')
            return std::nullopt;
        if (text[i] != '(') {
            out += text[i++];
            continue;
        }
        std::size_t depth = 0, end = i;
        for (; end < text.size(); ++end) {
            depth += text[end] == '(';
            depth -= text[end] == ')';
            if (depth == 0)
                break;
        }
        if (end == text.size())
            return std::nullopt;
        const std::string_view inside = text.substr(i + 1, end - i - 1);
        if (isBracketedNote(inside)) {
            while (!out.empty() && out.back() == ' ')
                out.pop_back();
        } else {
            out.append(text.substr(i, end - i + 1));
        }
        i = end + 1;
    }
    return out;
}

std::string joined(const std::vector<std::string>& clauses) {
    std::string text;
    for (const std::string& clause : clauses)
        text += (text.empty() ? "" : "; ") + clause;
    return text;
}

// Where a long definition may end early and still say what it defines:
// "any of numerous small rodents typically resembling diminutive rats".
// clang-format off
constexpr std::array<std::string_view, 13> kCuts = {
    " that ", " which ", " who ", " whose ", " having ", ", which ", ", especially ", ", usually ",
    ", typically ", ", often ", ", used ", ", ", " or "};
// clang-format on
constexpr std::size_t kShortestCut = 25;

// Words a shortened definition must not end in: it would break off mid-phrase.
constexpr std::array<std::string_view, 44> kNoEnd = {
    "a",        "an",      "the",     "and",   "or",   "of",    "to",     "in",      "on",
    "at",       "by",      "for",     "from",  "with", "as",    "such",   "than",    "more",
    "most",     "very",    "some",    "way",   "its",  "their", "so",     "through", "during",
    "into",     "about",   "between", "under", "over", "upon",  "within", "without", "after",
    "although", "because", "but",     "if",    "when", "while", "unless", "whether"};

} // namespace

bool endsAPhrase(std::string_view text) {
    std::vector<std::string_view> words;
    splitSpaces(text, words);
    if (words.empty())
        return false;
    const std::string_view last = words.back();
    return !last.ends_with("ly") && !last.ends_with("ing") &&
           std::find(kNoEnd.begin(), kNoEnd.end(), last) == kNoEnd.end() &&
           (words.size() < 2 || words[words.size() - 2] != "to");
}

namespace {

// `text` without its bracketed asides: "a weapon that discharges a missile
// (especially from a metal tube)" says what a gun is without the brackets.
std::string withoutAsides(std::string_view text) {
    std::string out;
    int depth = 0;
    for (char c : text) {
        if (c == '(' && depth++ == 0)
            while (!out.empty() && out.back() == ' ')
                out.pop_back();
        if (depth == 0)
            out += c;
        if (c == ')' && depth > 0 && --depth == 0 && !out.empty())
            out += ' ';
    }
    std::string collapsed;
    for (char c : trimmed(out))
        if (!(c == ' ' && (collapsed.empty() || collapsed.back() == ' ')))
            collapsed += c;
    return std::string(withoutTrailingPunctuation(collapsed));
}

// True when `text` holds a relative clause that an alternative cut away
// may leave without its verb: "the instrument by which a claim or right".
bool opensAClause(std::string_view text) {
    std::vector<std::string_view> words;
    splitSpaces(text, words);
    return std::any_of(words.begin(), words.end(), [](std::string_view w) {
        return w == "which" || w == "that" || w == "who" || w == "whom" || w == "whose" ||
               w == "where" || w == "when";
    });
}

// The clause without its asides when that fits, else its longest head that
// ends at a cut and still says what the clause defines.
std::optional<std::string> shortened(std::string_view clause) {
    const std::string plain = withoutAsides(clause);
    if (plain.size() <= kMaxMeaningLength && plain.size() >= kShortestCut)
        return plain;
    std::size_t best = 0;
    for (std::string_view cut : kCuts)
        for (std::size_t at = plain.find(cut); at != std::string::npos && at <= kMaxMeaningLength;
             at = plain.find(cut, at + 1))
            if (at >= kShortestCut && at > best && endsAPhrase(plain.substr(0, at)) &&
                (cut != " or " || !opensAClause(plain.substr(0, at))))
                best = at;
    if (best == 0)
        return std::nullopt;
    return std::string(withoutTrailingPunctuation(plain.substr(0, best)));
}

} // namespace

Gloss splitGloss(std::string_view gloss) {
    Gloss result;
    for (std::string_view clause : glossClauses(gloss)) {
        clause = trimmed(clause);
        const std::size_t quote = clause.find('"');
        const std::string_view definition =
            withoutTrailingPunctuation(trimmed(clause.substr(0, quote)));
        if (!definition.empty() && result.examples.empty()) {
            if (!result.definition.empty())
                result.definition += "; ";
            result.definition += definition;
        }
        if (quote != std::string_view::npos)
            collectExamples(clause.substr(quote), result.examples);
    }
    return result;
}

std::vector<std::string> clausesOf(std::string_view definition) {
    std::vector<std::string> clauses;
    std::size_t depth = 0, start = 0;
    for (std::size_t i = 0; i <= definition.size(); ++i) {
        if (i < definition.size() && definition[i] != ';') {
            depth += definition[i] == '(';
            depth -= depth > 0 && definition[i] == ')';
            continue;
        }
        if (depth == 0 || i == definition.size()) {
            const std::string_view clause =
                withoutTrailingPunctuation(trimmed(definition.substr(start, i - start)));
            if (!clause.empty())
                clauses.emplace_back(clause);
            start = i + 1;
        }
    }
    return clauses;
}

std::optional<std::string> cleanDefinition(std::string_view definition) {
    const std::optional<std::string> unbracketed = withoutBracketedNotes(definition);
    if (!unbracketed)
        return std::nullopt;
    std::vector<std::string> kept;
    std::vector<std::string> notes;
    for (std::string& clause : clausesOf(*unbracketed)) {
        for (bool cut = true; cut;) {
            cut = false;
            for (std::string_view end : kDanglingEnds) {
                if (clause.ends_with(end)) {
                    clause.resize(clause.size() - end.size());
                    clause = std::string(withoutTrailingPunctuation(clause));
                    cut = true;
                }
            }
        }
        // A note that leads its clause: "usually in combination: person in charge of".
        if (const std::size_t colon = clause.find(": ");
            colon != std::string::npos && isNote(clause.substr(0, colon)))
            clause.erase(0, colon + 2);
        if (clause == "e.g." || clause == "e.g" || clause.empty())
            continue;
        (isNote(clause) ? notes : kept).push_back(std::move(clause));
    }
    // A definition that is all note keeps its words, its backticks made quotes.
    if (kept.empty() && !notes.empty())
        kept.push_back(cleanExample(notes.front()));
    if (kept.empty())
        return std::nullopt;
    return joined(kept);
}

std::string cleanExample(std::string_view example) {
    std::string out(example);
    for (std::size_t open = out.find('`'); open != std::string::npos; open = out.find('`', open)) {
        out[open] = '"';
        // The closing quote is the next apostrophe that ends a word.
        std::size_t close = open + 1;
        while ((close = out.find('\'', close)) != std::string::npos && close + 1 < out.size() &&
               std::isalpha(static_cast<unsigned char>(out[close + 1])))
            ++close;
        if (close != std::string::npos)
            out[close] = '"';
    }
    return std::string(trimmed(out));
}

std::optional<std::string> meaningFromDefinition(std::string_view definition) {
    definition = withoutTrailingPunctuation(trimmed(definition));
    if (definition.size() > kMaxMeaningLength) {
        const std::vector<std::string> clauses = clausesOf(definition);
        if (clauses.empty())
            return std::nullopt;
        if (clauses.front().size() > kMaxMeaningLength)
            return shortened(clauses.front());
        return clauses.front();
    }
    if (definition.empty())
        return std::nullopt;
    return std::string(definition);
}

} // namespace lexitor::wordlist::vocabulary
