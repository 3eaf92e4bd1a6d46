#pragma once
// Rows made from files that hold a word and its meaning but not three wrong
// meanings (KVTML collections, two-column lists): the wrong meanings are the
// entry's own multiple-choice choices where it has any, else meanings of
// other entries of the same file.

#include "wordlist/formats/RowChecks.h"
#include "wordlist/vocabulary/Random.h"

#include <array>
#include <cstdint>
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
//
// The meanings come first: add() every question of the file, in file order.
// Then start(), and row() for every question again in the same order; a
// second start() gives the same rows again.
class QuestionRows {
public:
    explicit QuestionRows(OptionJudge* judge = nullptr) : judge_(judge) {}
    void add(const Question& question);
    void start();
    ListRow row(const Question& question);

private:
    using Ids = std::vector<std::uint32_t>;
    // Meanings to choose from: `size` of them, by id; every meaning when
    // `ids` is null.
    struct Pool {
        const std::uint32_t* ids = nullptr;
        std::size_t size = 0;
        std::uint32_t operator[](std::size_t i) const { return ids ? ids[i] : std::uint32_t(i); }
    };
    // The distinct meanings of each group of one kind, in file order, one
    // group after another, found by the group's key. While every question
    // so far is of one group, the group is every meaning and nothing is kept.
    struct Pools {
        std::optional<std::uint64_t> onlyKey;                          // while there is one group
        std::vector<std::pair<std::uint64_t, std::uint32_t>> members; // once there are more
        Ids ids;
        std::vector<std::uint64_t> keys;
        std::vector<std::size_t> starts; // where each key's meanings start in `ids`
        void add(std::uint64_t key, std::uint32_t meaning, const Ids& meaningsSoFar);
        void build(std::size_t meanings);
        Pool of(std::uint64_t key, std::size_t meanings) const;
    };
    static std::uint64_t lessonKey(const Question& q);
    static std::uint64_t typeKey(const Question& q);
    std::uint32_t meaningOf(const std::string& answer, const store::FieldValue& word);
    // Up to three meanings of `pools`, the judge's best fits first.
    std::vector<std::uint32_t> judged(const Question& q, std::uint32_t answer,
                                      const std::array<Pool, 3>& pools);

    TextArena texts_;
    std::vector<TextArena::Ref> meanings_;
    std::vector<TextArena::Ref> owners_; // with a judge: the word of each meaning's first question
    std::vector<std::array<std::uint32_t, 3>> judgedPicks_; // with a judge: by question, once chosen
    OptionJudge* judge_ = nullptr;
    // Finding a meaning by its key, while adding: the key's hash by meaning,
    // and an open table of meaning + 1.
    std::vector<std::uint64_t> keyHashes_;
    Ids slots_;
    Ids answerOf_; // per question: its meaning, or kNoMeaning
    Pools byLesson_, byType_;
    bool built_ = false;
    std::size_t next_ = 0;
    vocabulary::Random random_{vocabulary::kDefaultSeed};
};

} // namespace lexitor::wordlist
