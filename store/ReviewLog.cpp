#include "store/ReviewLog.h"

#include "store/WordRules.h"
#include "store/detail/Connection.h"
#include "store/detail/ReviewTables.h"

namespace lexitor::store {

namespace {

constexpr const char* kStateColumns =
    "stability, difficulty, last_day, due_day, answers, lapses, new_day";

int asInt(Statement& query, int column) {
    return static_cast<int>(query.integer(column));
}

// The state in the columns of kStateColumns from `first` on.
ReviewState stateAt(Statement& query, int first) {
    ReviewState state{query.real(first),
                      query.real(first + 1),
                      asInt(query, first + 2),
                      asInt(query, first + 3),
                      asInt(query, first + 4),
                      asInt(query, first + 5),
                      {}};
    if (query.text(first + 6))
        state.newOnDay = asInt(query, first + 6);
    return state;
}

// The row's fields from column 1 on, after its rowid.
WordRecord rowAt(Statement& query) {
    WordRecord row;
    int column = 1;
    for (const WordField& field : kWordFields)
        row.*field.member = query.text(column++);
    return row;
}

} // namespace

// Through the index on the trimmed word, where the file has one ("+word":
// a plain comparison of the word would keep SQLite from using it).
ReviewLog::ReviewLog(Database& database, const LevelDatabase& level)
    : connection_(database.connection_), table_(quotedName(level.table)),
      holdingSql_("SELECT rowid, " + fieldList(", ") + " FROM " + table_ +
                  " WHERE trim(word) COLLATE NOCASE=trim(?1) AND +word=?1 ORDER BY rowid LIMIT 1") {
}

std::optional<std::string> ReviewLog::whyNotKept() const {
    try {
        connection_->requireWritable();
    } catch (const RecoverableError& error) {
        return error.what();
    }
    return std::nullopt;
}

bool ReviewLog::tablesExist() {
    return reviewTablesExist(*connection_);
}

std::optional<ReviewState> ReviewLog::state(const std::string& word) {
    if (!tablesExist())
        return std::nullopt;
    Query query(connection_->statement(std::string("SELECT ") + kStateColumns +
                                       " FROM review_state WHERE word_key=?"));
    query->bind(1, wordKey(word));
    if (!query->step())
        return std::nullopt;
    return stateAt(*query, 0);
}

std::vector<Answer> ReviewLog::answers(const std::string& word) {
    std::vector<Answer> all;
    if (!tablesExist())
        return all;
    Query query(connection_->statement("SELECT correct, at_ms, day, place FROM review_answers "
                                       "WHERE word_key=? ORDER BY rowid"));
    query->bind(1, wordKey(word));
    while (query->step()) {
        all.push_back({query->integer(0) != 0, query->integer(1), asInt(*query, 2),
                       query->integer(3) == 1 ? AnswerPlace::Review : AnswerPlace::Quiz});
    }
    return all;
}

std::optional<ReviewWord> ReviewLog::rowHolding(const std::string& word) {
    Query query(connection_->statement(holdingSql_));
    query->bind(1, word);
    if (!query->step())
        return std::nullopt;
    return ReviewWord{query->integer(0), rowAt(*query), wordKey(word), std::nullopt};
}

bool ReviewLog::record(const std::string& word, const Answer& answer,
                       const std::function<ReviewState(const std::optional<ReviewState>&)>& next) {
    WriteScope scope(*connection_);
    if (!rowHolding(word))
        return false;
    if (!tablesExist())
        createReviewTables(*connection_);
    const std::string key = wordKey(word);
    const ReviewState after = next(state(word));
    {
        Query log(connection_->statement("INSERT INTO review_answers (word_key, spelling, at_ms, "
                                         "day, correct, place) VALUES (?, ?, ?, ?, ?, ?)"));
        log->bind(1, key);
        log->bind(2, word);
        log->bind(3, answer.atMs);
        log->bind(4, static_cast<long long>(answer.day));
        log->bind(5, static_cast<long long>(answer.right));
        log->bind(6, static_cast<long long>(answer.place));
        log->step();
    }
    Query keep(connection_->statement(std::string("INSERT OR REPLACE INTO review_state "
                                                  "(word_key, spelling, ") +
                                      kStateColumns + ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    keep->bind(1, key);
    keep->bind(2, word);
    keep->bind(3, after.stability);
    keep->bind(4, after.difficulty);
    int column = 5;
    for (const int number : {after.lastDay, after.dueDay, after.answers, after.lapses})
        keep->bind(column++, static_cast<long long>(number));
    if (after.newOnDay)
        keep->bind(column, static_cast<long long>(*after.newOnDay));
    keep->step();
    scope.commit();
    return true;
}

void ReviewLog::forEachDue(int day, const WordVisitor& visit) {
    if (!tablesExist())
        return;
    Query query(connection_->statement(std::string("SELECT spelling, ") + kStateColumns +
                                       " FROM review_state WHERE due_day<=? "
                                       "ORDER BY due_day, word_key"));
    query->bind(1, static_cast<long long>(day));
    while (query->step()) {
        auto found = rowHolding(*query->text(0));
        if (!found || !found->row.ans)
            continue;
        found->state = stateAt(*query, 1);
        if (!visit(*found))
            return;
    }
}

void ReviewLog::forEachNew(long long afterRowId, const WordVisitor& visit) {
    Statement* known =
        tablesExist() ? &connection_->statement("SELECT 1 FROM review_state WHERE word_key=?")
                      : nullptr;
    Statement& whole = connection_->statement("SELECT rowid, " + fieldList(", ") + " FROM " +
                                              table_ + " WHERE rowid=?");
    Query query(connection_->statement("SELECT rowid, word FROM " + table_ +
                                       " WHERE rowid>? AND word IS NOT NULL ORDER BY rowid"));
    query->bind(1, afterRowId);
    while (query->step()) {
        const std::string key = wordKey(*query->text(1));
        if (known) {
            Query answered(*known);
            answered->bind(1, key);
            if (answered->step())
                continue;
        }
        Query row(whole);
        row->bind(1, query->integer(0));
        if (!row->step())
            continue;
        const ReviewWord word{row->integer(0), rowAt(*row), key, std::nullopt};
        if (word.row.ans && !visit(word))
            return;
    }
}

int ReviewLog::newOn(int day) {
    if (!tablesExist())
        return 0;
    Query query(connection_->statement("SELECT count(*) FROM review_state WHERE new_day=?"));
    query->bind(1, static_cast<long long>(day));
    query->step();
    return static_cast<int>(query->integer(0));
}

} // namespace lexitor::store
