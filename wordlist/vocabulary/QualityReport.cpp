#include "wordlist/vocabulary/QualityReport.h"

#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/Offensive.h"
#include "wordlist/vocabulary/OwnMeanings.h"
#include "wordlist/vocabulary/SenseChoice.h"
#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/WordForms.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <unordered_set>

namespace lexitor::wordlist::vocabulary {
namespace {

constexpr std::size_t kKeyWords = 4;
constexpr std::size_t kExamplesShown = 8;

std::string keyOf(const std::vector<std::string>& tokens) {
    std::string key;
    for (std::size_t i = 0; i < tokens.size() && i < kKeyWords; ++i)
        key += (i ? " " : "") + tokens[i];
    return key;
}

// Two texts say the same when one is the other or holds it word for word
// (two words or more).
bool holdsPhrase(const std::vector<std::string>& text, const std::vector<std::string>& phrase) {
    return text == phrase || (phrase.size() >= 2 && containsPhrase(text, phrase));
}

struct SenseOf {
    std::string lemma;
    Sense sense;
    const Synset* synset = nullptr;
};

// The senses of the word as written, else of its base forms.
std::vector<SenseOf> sensesOfWord(const WordNet& wn, const std::string& key) {
    std::vector<std::string> lemmas;
    if (!wn.sensesOf(key).empty())
        lemmas.push_back(key);
    for (std::size_t pos = 0; pos < kPosCount && lemmas.empty(); ++pos)
        for (const std::string& base : baseForms(wn, key, Pos(pos)))
            lemmas.push_back(base);
    std::vector<SenseOf> senses;
    for (const std::string& lemma : lemmas)
        for (const Sense& sense : wn.sensesOf(lemma))
            if (const Synset* synset = wn.synset(sense.synset))
                senses.push_back({lemma, sense, synset});
    return senses;
}

std::vector<std::string> definitionTokens(const Synset& synset) {
    return wordTokens(splitGloss(synset.gloss).definition);
}

// The share of the answer's words that a definition holds.
double overlap(const std::vector<std::string>& answer, const std::vector<std::string>& definition) {
    if (answer.empty())
        return 0;
    const std::set<std::string> words(definition.begin(), definition.end());
    const auto held = std::count_if(answer.begin(), answer.end(),
                                    [&](const std::string& w) { return words.contains(w); });
    return double(held) / double(answer.size());
}

void note(std::size_t& count, std::vector<std::string>& words, const std::string& word) {
    ++count;
    if (words.size() < kExamplesShown)
        words.push_back(word);
}

} // namespace

MeaningKinds::MeaningKinds(const WordNet& wn) {
    wn.forEachSynset([&](const Synset& synset) {
        const std::string definition = splitGloss(synset.gloss).definition;
        std::vector<std::string> clauses = clausesOf(definition);
        if (const std::optional<std::string> clean = cleanDefinition(definition))
            for (std::string& clause : clausesOf(*clean))
                clauses.push_back(std::move(clause));
        for (const std::string& clause : clauses)
            kinds_[keyOf(wordTokens(clause))] |= 1u << unsigned(synset.id.pos);
    });
}

unsigned MeaningKinds::kindsOf(std::string_view meaning) const {
    const auto it = kinds_.find(keyOf(wordTokens(meaning)));
    return it == kinds_.end() ? 0 : it->second;
}

bool hasMarkup(std::string_view text) {
    // clang-format off
    static constexpr std::array<std::string_view, 8> kNotes = {
        "`", "usually followed", "often followed", "(followed by", "preceded by `",
        "in combination", "nonstandard", "(plural)"};
    // clang-format on
    int depth = 0;
    for (char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0)
            return true;
    }
    text = trimmed(text);
    // "(used for clothing or sails)" says what a thing is for; any other
    // "(used ..." how a word is used.
    for (std::size_t at = text.find("(used "); at != std::string_view::npos;
         at = text.find("(used ", at + 1))
        if (!text.substr(at).starts_with("(used for ") && !text.substr(at).starts_with("(used by "))
            return true;
    return depth != 0 || text.ends_with("e.g.") || text.ends_with("e.g") ||
           text.ends_with("i.e.") || text.ends_with(";") || text.ends_with(":") ||
           text.ends_with(",") ||
           std::any_of(kNotes.begin(), kNotes.end(),
                       [&](std::string_view n) { return text.find(n) != std::string_view::npos; });
}

QualityReport measureQuality(const WordNet& wn, const MeaningKinds& kinds,
                             const std::vector<store::WordRecord>& records) {
    QualityReport q;
    for (const store::WordRecord& r : records) {
        ++q.entries;
        const std::string word(trimmed(r.word.value_or("")));
        std::string key = lowerCase(word);
        std::replace(key.begin(), key.end(), ' ', '_');
        const std::array<std::string, 3> wrong = {r.c1.value_or(""), r.c2.value_or(""),
                                                  r.c3.value_or("")};
        const std::string answer = r.ans.value_or("");
        const std::vector<SenseOf> senses = sensesOfWord(wn, key);

        // The answer's sense: the one whose definition holds most of its
        // words, the main sense on a tie ("without shoes" is two senses).
        const SenseOf* matched = nullptr;
        std::optional<SynsetId> main;
        if (!senses.empty())
            if (const auto chosen = chooseMainSense(wn, senses.front().lemma))
                main = chosen->sense.synset;
        const auto isMain = [&](const SenseOf& s) { return main == s.sense.synset; };
        double best = 0.6;
        const std::vector<std::string> answerTokens = wordTokens(answer);
        for (const SenseOf& s : senses) {
            const double share = overlap(answerTokens, definitionTokens(*s.synset));
            if (share > best || (share == best && isMain(s))) {
                best = share;
                matched = &s;
            }
        }
        if (matched) {
            ++q.withWordNetMeaning;
            if (isMain(*matched))
                ++q.firstSense;
            else if (q.notFirstSenseWords.size() < kExamplesShown)
                q.notFirstSenseWords.push_back(word);
        }

        // Every meaning of the word and of the words sharing a sense with it.
        std::vector<std::vector<std::string>> rightMeanings;
        std::unordered_set<SynsetId, SynsetIdHash> seen;
        for (const SenseOf& s : senses) {
            for (std::string synonym : s.synset->words) {
                for (const Sense& other : wn.sensesOf(lowerCase(synonym))) {
                    const Synset* synset = wn.synset(other.synset);
                    if (synset && seen.insert(other.synset).second)
                        rightMeanings.push_back(definitionTokens(*synset));
                }
            }
        }
        const bool second = std::any_of(wrong.begin(), wrong.end(), [&](const std::string& c) {
            const std::vector<std::string> tokens = wordTokens(c);
            return std::any_of(rightMeanings.begin(), rightMeanings.end(),
                               [&](const auto& m) { return holdsPhrase(m, tokens); });
        });
        if (second)
            note(q.secondRightAnswer, q.secondRightAnswerWords, word);

        const std::array<std::vector<std::string>, 4> options = {
            answerTokens, wordTokens(wrong[0]), wordTokens(wrong[1]), wordTokens(wrong[2])};
        bool alike = false;
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = 0; j < 4; ++j)
                alike |= i != j && !options[j].empty() && holdsPhrase(options[i], options[j]);
        if (alike)
            note(q.optionsAlike, q.alikeWords, word);

        std::optional<Pos> answerPos;
        if (matched)
            answerPos = matched->synset->id.pos;
        else if (!senses.empty())
            answerPos = mainPos(wn, senses.front().lemma);
        bool otherKind = false;
        for (const std::string& c : wrong) {
            const unsigned k = kinds.kindsOf(c);
            if (!answerPos || k == 0)
                continue;
            ++q.wrongOptionsOfKnownKind;
            if (!(k & (1u << unsigned(*answerPos)))) {
                ++q.wrongOptionsOfOtherKind;
                otherKind = true;
            }
        }
        if (otherKind && q.otherKindWords.size() < kExamplesShown)
            q.otherKindWords.push_back(word);

        std::size_t markup = 0;
        for (const store::FieldValue* text : {&r.ans, &r.c1, &r.c2, &r.c3, &r.ref})
            markup += *text && hasMarkup(**text) ? 1 : 0;
        if (markup > 0 && q.markupWords.size() < kExamplesShown)
            q.markupWords.push_back(word);
        q.textsWithMarkup += markup;

        const bool offensive =
            isBannedWord(key) || (!senses.empty() && isOffensiveWord(wn, senses.front().lemma)) ||
            (matched && isOffensiveSense(wn, *matched->synset,
                                         positionInSynset(*matched->synset, matched->lemma)));
        if (offensive)
            note(q.offensive, q.offensiveWords, word);
        if (r.ref && !trimmed(*r.ref).empty())
            ++q.withReference;
    }
    return q;
}

std::string describeReport(const QualityReport& q, const std::string& title) {
    const auto percent = [](std::size_t part, std::size_t whole) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f%%",
                      whole ? 100.0 * double(part) / double(whole) : 0);
        return std::string(text);
    };
    const auto words = [](const std::vector<std::string>& list) {
        std::string text;
        for (const std::string& w : list)
            text += (text.empty() ? " (" : ", ") + w;
        return text.empty() ? text : text + (list.size() == kExamplesShown ? " ...)" : ")");
    };
    const auto line = [](const std::string& label, const std::string& value) {
        return "  " + label + ": " + value + "\n";
    };
    std::string out = title + ": " + std::to_string(q.entries) + " entries\n";
    out += line("entries with a second right answer",
                std::to_string(q.secondRightAnswer) + words(q.secondRightAnswerWords));
    out += line("entries with two options saying the same",
                std::to_string(q.optionsAlike) + words(q.alikeWords));
    out += line("first sense of the main part of speech",
                std::to_string(q.firstSense) + " of " + std::to_string(q.withWordNetMeaning) +
                    " meanings found in WordNet, " + percent(q.firstSense, q.withWordNetMeaning) +
                    words(q.notFirstSenseWords));
    out += line("wrong options of another part of speech",
                std::to_string(q.wrongOptionsOfOtherKind) + " of " +
                    std::to_string(q.wrongOptionsOfKnownKind) + " whose part of speech is known, " +
                    percent(q.wrongOptionsOfOtherKind, q.wrongOptionsOfKnownKind) +
                    words(q.otherKindWords));
    out += line("texts with markup", std::to_string(q.textsWithMarkup) + words(q.markupWords));
    out += line("offensive entries", std::to_string(q.offensive) + words(q.offensiveWords));
    out += line("references",
                std::to_string(q.withReference) + ", " + percent(q.withReference, q.entries));
    return out;
}

} // namespace lexitor::wordlist::vocabulary
