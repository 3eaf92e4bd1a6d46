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

// Rows added one at a time, with a progress line labelled `label` over
// `total` rows; none stays unless commit() is called.
class LevelAppender {
public:
    LevelAppender(store::Database& database, store::Recordset& table, const QString& label,
                  qsizetype total);
    void add(const store::WordRecord& row);
    void commit() { transaction_.commit(); }

private:
    store::Recordset& table_;
    Progress progress_;
    store::Transaction transaction_;
    qsizetype added_ = 0;
};

// Creates the level database `path` for `level` holding `rows`;
// `beforeCommit` runs once every row is in, before the commit.
void writeLevelFile(const QString& path, int level, const std::vector<store::WordRecord>& rows,
                    const std::function<void()>& beforeCommit = {});

} // namespace lexitor::wordlist
