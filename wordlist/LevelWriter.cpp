#include "wordlist/LevelWriter.h"

#include "store/Recordset.h"
#include "store/Transaction.h"
#include "wordlist/Progress.h"

#include <algorithm>

namespace lexitor::wordlist {

void addRecords(store::Database& database, store::Recordset& table,
                const std::vector<store::WordRecord>& rows, const QString& label,
                const std::function<void()>& beforeCommit) {
    constexpr std::size_t kRowsAtOnce = 1024;
    Progress progress(label, qsizetype(rows.size()));
    store::Transaction transaction(database);
    for (std::size_t from = 0; from < rows.size(); from += kRowsAtOnce) {
        const std::size_t count = std::min(kRowsAtOnce, rows.size() - from);
        store::appendRecords(table, std::span(rows).subspan(from, count));
        progress.update(qsizetype(from + count));
    }
    if (beforeCommit)
        beforeCommit();
    transaction.commit();
}

void writeLevelFile(const QString& path, int level, const std::vector<store::WordRecord>& rows,
                    const std::function<void()>& beforeCommit) {
    store::createLevelDatabase(path.toStdString(), level);
    auto database = store::DBEngine::instance().OpenDatabase(path.toStdString());
    auto table =
        database->OpenRecordset(std::string(store::levelDatabase(level).table), store::dbOpenTable);
    addRecords(*database, *table, rows, QStringLiteral("Converting"), beforeCommit);
    table->Close();
    database->Close();
}

} // namespace lexitor::wordlist
