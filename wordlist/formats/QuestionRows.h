#pragma once
// Rows made from files that hold a word and its meaning but not three wrong
// meanings (KVTML collections, two-column lists): the wrong meanings are the
// entry's own multiple-choice choices where it has any, else meanings of
// other entries of the same file.

#include "wordlist/formats/WordListReader.h"

#include <optional>
#include <string>
#include <vector>

namespace lexitor::wordlist {

struct Question {
    int place = 0; // the line or entry id
    store::FieldValue word, answer, example;
    std::vector<std::string> choices; // the entry's own wrong meanings, in file order
    // Groups of the file (a lesson, a word type; -1 for none): meanings of
    // the same lesson and word type are preferred, then of the same lesson.
    int lesson = -1, wordType = -1;
};

// Tells how well the answer of one question serves as a wrong option for
// another (what a dictionary knows of their words: the part of speech,
// synonyms).
class OptionJudge {
public:
    virtual ~OptionJudge() = default;
    // 0 for the best, more for worse; nothing when `other`'s answer must not
    // be offered for `question` at all (it would be a right answer too).
    virtual std::optional<int> fit(const Question& question, const Question& other) = 0;
    // True when two meanings say the same thing: they are never offered together.
    virtual bool alike(const std::string& a, const std::string& b) = 0;
};

// One row per question: word, answer, c1..c3 and the example as ref.
// c1..c3 are the first three choices (a blank one as " ") when there are
// any; else three meanings of other questions, distinct and never the
// answer once trimmed and case-folded, the best `judge` finds first when
// there is one, chosen with a fixed seed so that the same file always gives
// the same rows, and " " where the file has too few.
std::vector<ListRow> questionRows(const std::vector<Question>& questions,
                                  OptionJudge* judge = nullptr);

} // namespace lexitor::wordlist
