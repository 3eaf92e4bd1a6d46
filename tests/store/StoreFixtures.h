#pragma once
// Helpers shared by the store tests: real files in a temporary directory.

#include "store/Recordset.h"
#include "store/Transaction.h"
#include "store/WordRecord.h"
#include "support/Files.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lexitor::testing {

using namespace store;

// The first value that SQL gives on a SQLite file, or "" for none.
std::string firstValue(const QString& path, const std::string& sql);

std::unique_ptr<Database> openDb(const QString& path, DBEngine& engine = DBEngine::instance());
// A record whose fields are derived from `word`: ans "<word>-ans" and so on.
WordRecord sampleRecord(const std::string& word);
// A new level database at `path` holding `words` in this order.
void makeLevelFile(const QString& path, int level, const std::vector<std::string>& words);
// "<stem>0" .. "<stem>199": enough rows that a change of them all spills
// out of a small cache into the file.
inline std::vector<std::string> numbered(const std::string& stem) {
    std::vector<std::string> words;
    for (int i = 0; i < 200; ++i)
        words.push_back(stem + std::to_string(i));
    return words;
}
// The words of the table walked from first to last in its current order.
std::vector<std::string> walk(Recordset& rs);

// The EngineError text that `call` throws, or "" when it throws none; a
// RecoverableError's text comes after its kind: "RowGone: ...".
std::string errorOf(const std::function<void()>& call);
inline bool holds(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

} // namespace lexitor::testing
