#pragma once
// Adding many rows to a level table in one transaction, so that either
// every row is added or, on any failure, none.

#include "store/Recordset.h"
#include "store/Transaction.h"
#include "store/WordRecord.h"
#include "wordlist/Progress.h"

#include <QString>

#include <functional>
#include <vector>

namespace lexitor::wordlist {

// Rows handed over one at a time and added a batch at a time, with a
// progress line labelled `label` over `total` rows; none stays unless
// commit() is called.
class LevelAppender {
public:
    LevelAppender(store::Database& database, store::Recordset& table, const QString& label,
                  qsizetype total);
    void add(const store::WordRecord& row);
    // Adds what is still held, runs `beforeCommit`, then commits.
    void commit(const std::function<void()>& beforeCommit = {});

private:
    void flush();

    store::Recordset& table_;
    Progress progress_;
    store::Transaction transaction_;
    std::vector<store::WordRecord> batch_;
    qsizetype added_ = 0;
};

// Creates the level database `path` for `level` holding `rows`;
// `beforeCommit` runs once every row is in, before the commit.
void writeLevelFile(const QString& path, int level, const std::vector<store::WordRecord>& rows,
                    const std::function<void()>& beforeCommit = {});

} // namespace lexitor::wordlist
