#include "wordlist/LevelWriter.h"

#include "store/Recordset.h"
#include "store/Transaction.h"
#include "wordlist/Progress.h"

namespace lexitor::wordlist {

void addRecords(store::Database& database, store::Recordset& table,
                const std::vector<store::WordRecord>& rows, const QString& label,
                const std::function<void()>& beforeCommit) {
    Progress progress(label, qsizetype(rows.size()));
    store::Transaction transaction(database);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        store::appendRecord(table, rows[i]);
        progress.update(qsizetype(i + 1));
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
