#pragma once
// What Lexitor keeps of the learner beside the words of a level file: a
// review state per word and a log of every answer with its time, in tables
// of its own (review_state, review_answers) next to the level table,
// which stays exactly as it is. A word is known by its key (WordRules.h),
// not by its row, so rows with the same key share one history. Tables are
// made by the first answer kept; every answer is durable when record()
// returns, like a change to the words.

#include "store/Engine.h"
#include "store/WordRecord.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lexitor::store {

// The memory of one word as the scheduler left it. Days are local calendar
// days, counted from 1970-01-01.
struct ReviewState {
    double stability = 0;
    double difficulty = 0;
    int lastDay = 0;
    int dueDay = 0;
    int answers = 0;
    int lapses = 0;
    std::optional<int> newOnDay; // the day Review first asked it as a new word
    friend bool operator==(const ReviewState&, const ReviewState&) = default;
};

enum class AnswerPlace { Quiz = 0, Review = 1 };

struct Answer {
    bool right = false;
    long long atMs = 0; // milliseconds since 1970-01-01 UTC
    int day = 0;        // the local day at that moment
    AnswerPlace place = AnswerPlace::Quiz;
    friend bool operator==(const Answer&, const Answer&) = default;
};

// A row of the level table as Review may ask it: both word and answer present.
struct ReviewWord {
    long long rowId = 0;
    WordRecord row;
    std::string key;
    std::optional<ReviewState> state;
};

// Goes on with the next word while it returns true.
using WordVisitor = std::function<bool(const ReviewWord&)>;

class ReviewLog {
public:
    ReviewLog(Database& database, const LevelDatabase& level);

    // Why answers cannot be kept in this file (it can only be read), or nothing.
    std::optional<std::string> whyNotKept() const;

    std::optional<ReviewState> state(const std::string& word);
    std::vector<Answer> answers(const std::string& word);

    // Keeps one answer to the row holding exactly `word`: its log entry and
    // the state `next` makes of the state stored now (none before the first
    // answer), in one durable step. False, and nothing kept, when no row
    // holds the word any more. A file that can only be read, a lock held
    // too long or a full disk is a RecoverableError.
    bool record(const std::string& word, const Answer& answer,
                const std::function<ReviewState(const std::optional<ReviewState>&)>& next);

    // Words with a state due on or before `day`, most overdue first, then by
    // key; a state whose word is no longer in the table is passed over.
    void forEachDue(int day, const WordVisitor& visit);
    // Words without a state, in table order, from the row after `afterRowId`.
    void forEachNew(long long afterRowId, const WordVisitor& visit);
    // How many words Review first asked as new on `day`.
    int newOn(int day);

private:
    // The first row holding exactly `word`.
    std::optional<ReviewWord> rowHolding(const std::string& word);
    bool tablesExist();

    std::shared_ptr<Connection> connection_;
    std::string table_;      // quoted for SQL text
    std::string holdingSql_; // the row holding exactly a word
};

} // namespace lexitor::store
