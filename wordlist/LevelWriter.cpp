#include "wordlist/LevelWriter.h"

#include "store/Recordset.h"
#include "wordlist/Progress.h"

namespace lexitor::wordlist {

void addRecords(store::Database& database, store::Recordset& table,
                const std::vector<store::WordRecord>& rows, const QString& label,
                const std::function<void()>& beforeCommit) {
    Progress progress(label, qsizetype(rows.size()));
    database.BeginTrans();
    try {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const store::WordRecord& r = rows[i];
            table.AddNew();
            table.SetField("word", r.word);
            table.SetField("ans", r.ans);
            table.SetField("c1", r.c1);
            table.SetField("c2", r.c2);
            table.SetField("c3", r.c3);
            table.SetField("ref", r.ref);
            table.Update();
            progress.update(qsizetype(i + 1));
        }
        if (beforeCommit)
            beforeCommit();
        database.CommitTrans();
    } catch (...) {
        try {
            database.Rollback();
        } catch (const store::EngineError&) {
            // The first failure is the one to report.
        }
        throw;
    }
}

void writeLevelFile(const QString& path, int level, const std::vector<store::WordRecord>& rows,
                    const std::function<void()>& beforeCommit) {
    store::createLevelDatabase(path.toStdString(), level);
    auto database = store::DBEngine::instance().OpenDatabase(path.toStdString());
    auto table = database->OpenRecordset(std::string(store::levelDatabase(level).table),
                                         store::dbOpenTable);
    addRecords(*database, *table, rows, QStringLiteral("Converting"), beforeCommit);
    table->Close();
    database->Close();
}

} // namespace lexitor::wordlist
