#pragma once
// The tables that keep the learner's answers beside a level table (see
// ReviewLog.h), and the one rule the word changes follow: a word's history
// goes when its last row goes.

#include "store/Engine.h"

#include <string>

namespace lexitor::store {

class Connection;

bool reviewTablesExist(Connection& connection);
// Inside a running write.
void createReviewTables(Connection& connection);

// Inside the write that deleted a row holding `word` from `quotedTable`:
// when no row with the same key is left, the word's state and answers go
// too; otherwise the state names a row that is left.
void forgetDeletedWord(Connection& connection, const std::string& quotedTable,
                       const FieldValue& word);

} // namespace lexitor::store
