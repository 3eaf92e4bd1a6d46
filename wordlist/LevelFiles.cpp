#include "wordlist/LevelFiles.h"

#include "store/WordRecord.h"
#include "wordlist/CommandLine.h"

#include <QFileInfo>

namespace lexitor::wordlist {

LevelFiles::LevelFiles(const QString& dir, int required) {
    for (const store::LevelDatabase& level : store::kLevels) {
        const QString path = levelFilePath(dir, level.level);
        // A missing file of another level simply holds no words yet; the
        // engine reports a missing required file with its own clear text.
        if (level.level != required && !QFileInfo::exists(path))
            continue;
        Level& slot = levels_[std::size_t(level.level)];
        slot.database = store::DBEngine::instance().OpenDatabase(path.toStdString());
        slot.table = slot.database->OpenRecordset(std::string(level.table), store::dbOpenTable);
        slot.table->Index(std::string(level.index));
    }
}

store::Recordset& LevelFiles::tableForAdding(int level) {
    Level& slot = levels_[std::size_t(level)];
    slot.table->Close();
    slot.table.reset();
    slot.table = slot.database->OpenRecordset(std::string(store::levelDatabase(level).table),
                                              store::dbOpenTable);
    return *slot.table;
}

std::optional<int> LevelFiles::levelHolding(const std::string& word) {
    for (const store::LevelDatabase& level : store::kLevels) {
        if (!isOpen(level.level))
            continue;
        store::Recordset& rs = table(level.level);
        rs.Seek("=", word);
        if (!rs.NoMatch())
            return level.level;
    }
    return std::nullopt;
}

} // namespace lexitor::wordlist
