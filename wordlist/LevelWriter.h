#pragma once
// Adding many rows to a level table: one transaction, so that either every
// row is added or, on any failure, none.

#include "store/WordRecord.h"

#include <QString>

#include <functional>
#include <vector>

namespace lexitor::wordlist {

// Adds `rows` in order, with a progress line labelled `label`;
// `beforeCommit` runs once every row is in, before the commit.
void addRecords(store::Database& database, store::Recordset& table,
                const std::vector<store::WordRecord>& rows, const QString& label,
                const std::function<void()>& beforeCommit = {});

// Creates the level database `path` for `level` holding `rows`.
void writeLevelFile(const QString& path, int level, const std::vector<store::WordRecord>& rows,
                    const std::function<void()>& beforeCommit = {});

} // namespace lexitor::wordlist
