#include "store/detail/ReviewTables.h"

#include "store/WordRules.h"
#include "store/detail/Connection.h"

#include <optional>

namespace lexitor::store {

bool reviewTablesExist(Connection& connection) {
    Query query(connection.statement("SELECT count(*) FROM sqlite_schema WHERE type='table' AND "
                                     "name IN ('review_state', 'review_answers')"));
    query->step();
    return query->integer(0) == 2;
}

void createReviewTables(Connection& connection) {
    // No column is called "word": tables with one are word tables to the
    // rest of the store, which checks them by rowid.
    connection.exec("CREATE TABLE IF NOT EXISTS review_state (word_key TEXT PRIMARY KEY, "
                    "spelling TEXT NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL, "
                    "last_day INTEGER NOT NULL, due_day INTEGER NOT NULL, "
                    "answers INTEGER NOT NULL, lapses INTEGER NOT NULL, new_day INTEGER)");
    connection.exec("CREATE INDEX IF NOT EXISTS review_state_due ON review_state "
                    "(due_day, word_key)");
    connection.exec("CREATE INDEX IF NOT EXISTS review_state_new ON review_state (new_day)");
    connection.exec("CREATE TABLE IF NOT EXISTS review_answers (word_key TEXT NOT NULL, "
                    "spelling TEXT NOT NULL, at_ms INTEGER NOT NULL, day INTEGER NOT NULL, "
                    "correct INTEGER NOT NULL, place INTEGER NOT NULL)");
    connection.exec("CREATE INDEX IF NOT EXISTS review_answers_word ON review_answers "
                    "(word_key)");
}

void forgetDeletedWord(Connection& connection, const std::string& quotedTable,
                       const FieldValue& word) {
    if (!word || !reviewTablesExist(connection))
        return;
    const std::string key = wordKey(*word);
    // Keys are made in C++ (normalised, case-folded), so every row is looked at.
    std::optional<std::string> left;
    {
        Query rows(
            connection.statement("SELECT word FROM " + quotedTable + " WHERE word IS NOT NULL"));
        while (!left && rows->step()) {
            if (auto other = rows->text(0); wordKey(*other) == key)
                left = std::move(other);
        }
    }
    if (left) {
        Query rename(connection.statement("UPDATE review_state SET spelling=? WHERE word_key=?"));
        rename->bind(1, *left);
        rename->bind(2, key);
        rename->step();
        return;
    }
    for (const char* sql : {"DELETE FROM review_state WHERE word_key=?",
                            "DELETE FROM review_answers WHERE word_key=?"}) {
        Query forget(connection.statement(sql));
        forget->bind(1, key);
        forget->step();
    }
}

} // namespace lexitor::store
