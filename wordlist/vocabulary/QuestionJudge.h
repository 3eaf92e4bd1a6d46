#pragma once
// What WordNet tells about the questions of a file that brings no wrong
// options of its own (two-column lists, KVTML collections): the part of
// speech of each, from its word where WordNet knows it, else from the form
// of its meaning ("to ..." a verb, "a ..." a noun); and which other
// questions' meanings would be a second right answer.

#include "wordlist/formats/QuestionRows.h"
#include "wordlist/vocabulary/OwnMeanings.h"
#include "wordlist/vocabulary/WordNet.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace lexitor::wordlist::vocabulary {

class WordNetJudge : public OptionJudge {
public:
    explicit WordNetJudge(const WordNet& wn) : wn_(wn) {}

    // Never a meaning of the question's word or of a word sharing a sense
    // with it, nor one saying what its answer says; then, best first: the
    // same part of speech and a length within 40% of the answer's, the same
    // part of speech, a part of speech unknown on either side, another one.
    std::optional<int> fit(const Question& question, const Question& other) override;
    bool alike(const std::string& a, const std::string& b) override { return sayTheSame(a, b); }

    struct Facts {
        std::vector<std::string> lemmas; // the word's, or its base forms
        std::optional<Pos> pos;
        std::vector<std::string> answer; // the answer's wordTokens
    };
    const Facts& factsOf(const Question& question);

private:
    const WordNet& wn_;
    std::unordered_map<const Question*, Facts> facts_; // a file's questions stay put
    std::string ownWord_;                              // whose meanings own_ holds
    OwnMeanings own_;
};

// A note for every row whose word a class should not be given by default
// (see isOffensiveWord), for imports that take words as they come.
std::vector<ListIssue> offensiveWordNotes(const WordNet& wn, const std::vector<ListRow>& rows);

} // namespace lexitor::wordlist::vocabulary
