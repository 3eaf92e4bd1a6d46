#include "wordlist/LevelFiles.h"

#include "store/LevelWords.h"
#include "store/WordRecord.h"

#include <QDir>
#include <QFileInfo>

namespace lexitor::wordlist {

QString levelFilePath(const QString& dir, int level) {
    const auto file = store::levelDatabase(level).file;
    return QDir(dir).filePath(QString::fromLatin1(file.data(), qsizetype(file.size())));
}

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
    }
}

std::optional<int> LevelFiles::levelHolding(const std::string& word) {
    store::LevelTables tables{};
    for (std::size_t level = 0; level < levels_.size(); ++level)
        tables[level] = levels_[level].table.get();
    return store::levelHolding(tables, word);
}

} // namespace lexitor::wordlist
