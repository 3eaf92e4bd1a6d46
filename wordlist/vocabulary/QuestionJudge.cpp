#include "wordlist/vocabulary/QuestionJudge.h"

#include "wordlist/vocabulary/Offensive.h"
#include "wordlist/vocabulary/SenseChoice.h"
#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/WordForms.h"

#include <algorithm>

namespace lexitor::wordlist::vocabulary {
namespace {

// The text as a WordNet lemma: lower case, '_' for a space.
std::string lemmaKey(std::string_view text) {
    std::string key = lowerCase(trimmed(text));
    std::replace(key.begin(), key.end(), ' ', '_');
    return key;
}

std::vector<std::string> lemmasOf(const WordNet& wn, const std::string& key) {
    if (key.empty())
        return {};
    if (!wn.sensesOf(key).empty())
        return {key};
    std::vector<std::string> bases;
    for (std::size_t pos = 0; pos < kPosCount; ++pos)
        for (std::string& base : baseForms(wn, key, Pos(pos)))
            if (std::find(bases.begin(), bases.end(), base) == bases.end())
                bases.push_back(std::move(base));
    return bases;
}

std::optional<Pos> posOfLemmas(const WordNet& wn, const std::vector<std::string>& lemmas) {
    return lemmas.empty() ? std::nullopt : mainPos(wn, lemmas.front());
}

// The part of speech a meaning's form tells: "to walk" a verb, "a dog" a
// noun, a word or two WordNet knows its own.
std::optional<Pos> posOfMeaning(const WordNet& wn, std::string_view meaning) {
    const std::string text = lowerCase(trimmed(meaning));
    if (text.starts_with("to "))
        return Pos::Verb;
    for (const char* article : {"a ", "an ", "the "})
        if (text.starts_with(article))
            return Pos::Noun;
    if (std::count(text.begin(), text.end(), ' ') > 1)
        return std::nullopt;
    return posOfLemmas(wn, lemmasOf(wn, lemmaKey(text)));
}

bool comparableLength(std::size_t a, std::size_t b) {
    return 10 * b >= 6 * a && 10 * b <= 14 * a;
}

} // namespace

const WordNetJudge::Facts& WordNetJudge::factsOf(const Question& question) {
    if (const auto it = facts_.find(&question); it != facts_.end())
        return it->second;
    const std::string word = question.word.value_or("");
    Facts facts;
    std::string lemma = lemmaKey(word);
    if (lemma.starts_with("to_"))
        lemma.erase(0, 3);
    facts.lemmas = lemmasOf(wn_, lemma);
    facts.pos = posOfLemmas(wn_, facts.lemmas);
    if (!facts.pos && question.answer)
        facts.pos = posOfMeaning(wn_, *question.answer);
    facts.answer = wordTokens(question.answer.value_or(""));
    return facts_.emplace(&question, std::move(facts)).first->second;
}

std::optional<int> WordNetJudge::fit(const Question& question, const Question& other) {
    const std::string answer = question.answer.value_or(""),
                      otherAnswer = other.answer.value_or("");
    const Facts& mine = factsOf(question);
    const Facts& theirs = factsOf(other);
    if (sayTheSame(mine.answer, theirs.answer))
        return std::nullopt;
    if (!mine.lemmas.empty()) {
        if (ownWord_ != question.word.value_or("")) {
            ownWord_ = question.word.value_or("");
            own_ = OwnMeanings(wn_, mine.lemmas);
        }
        for (const std::string& lemma : theirs.lemmas)
            for (const Sense& sense : wn_.sensesOf(lemma))
                if (own_.holdsSynset(sense.synset))
                    return std::nullopt;
        if (own_.says(theirs.answer))
            return std::nullopt;
    }
    const int kind = mine.pos && theirs.pos ? (*mine.pos == *theirs.pos ? 0 : 2) : 1;
    return 2 * kind + (comparableLength(answer.size(), otherAnswer.size()) ? 0 : 1);
}

std::vector<ListIssue> offensiveWordNotes(const WordNet& wn, const std::vector<ListRow>& rows) {
    std::vector<ListIssue> notes;
    for (const ListRow& row : rows) {
        const std::string word(trimmed(row.record.word.value_or("")));
        const std::vector<std::string> lemmas = lemmasOf(wn, lemmaKey(word));
        if (isBannedWord(lowerCase(word)) ||
            std::any_of(lemmas.begin(), lemmas.end(),
                        [&](const std::string& lemma) { return isOffensiveWord(wn, lemma); }))
            notes.push_back({row.line,
                             QStringLiteral("\"%1\" is offensive in the sense a reader meets "
                                            "first; a class may be better without it")
                                 .arg(QString::fromStdString(word)),
                             row.item});
    }
    return notes;
}

} // namespace lexitor::wordlist::vocabulary
