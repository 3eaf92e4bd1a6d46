#include "wordlist/LevelWriter.h"

namespace lexitor::wordlist {

LevelAppender::LevelAppender(store::Database& database, store::Recordset& table,
                             const QString& label, qsizetype total)
    : table_(table), progress_(label, total), transaction_(database) {}

void LevelAppender::add(const store::WordRecord& row) {
    store::appendRecord(table_, row);
    progress_.update(++added_);
}

void writeLevelFile(const QString& path, int level, const std::vector<store::WordRecord>& rows,
                    const std::function<void()>& beforeCommit) {
    store::createLevelDatabase(path.toStdString(), level);
    auto database = store::DBEngine::instance().OpenDatabase(path.toStdString());
    auto table =
        database->OpenRecordset(std::string(store::levelDatabase(level).table), store::dbOpenTable);
    {
        LevelAppender appender(*database, *table, QStringLiteral("Converting"),
                               qsizetype(rows.size()));
        for (const store::WordRecord& row : rows)
            appender.add(row);
        if (beforeCommit)
            beforeCommit();
        appender.commit();
    }
    table->Close();
    database->Close();
}

} // namespace lexitor::wordlist
