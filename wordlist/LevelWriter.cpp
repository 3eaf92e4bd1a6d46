#include "wordlist/LevelWriter.h"

namespace lexitor::wordlist {

namespace {
// Rows added by one statement run; enough to take the cost of each call away.
constexpr std::size_t kRowsAtOnce = 1024;
} // namespace

LevelAppender::LevelAppender(store::Database& database, store::Recordset& table,
                             const QString& label, qsizetype total)
    : table_(table), progress_(label, total), transaction_(database) {
    batch_.reserve(kRowsAtOnce);
}

void LevelAppender::add(const store::WordRecord& row) {
    batch_.push_back(row);
    if (batch_.size() == kRowsAtOnce)
        flush();
}

void LevelAppender::flush() {
    if (batch_.empty())
        return;
    store::appendRecords(table_, batch_);
    added_ += qsizetype(batch_.size());
    batch_.clear();
    progress_.update(added_);
}

void LevelAppender::commit(const std::function<void()>& beforeCommit) {
    flush();
    if (beforeCommit)
        beforeCommit();
    transaction_.commit();
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
        appender.commit(beforeCommit);
    }
    table->Close();
    database->Close();
}

} // namespace lexitor::wordlist
