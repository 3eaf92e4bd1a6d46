#pragma once
// The level databases of one folder, opened together so that an import can
// test each word against every level, as the "Add Records" screen does.

#include "store/Recordset.h"
#include "store/WordRecord.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace lexitor::wordlist {

// DIR/wordN.mdb, the file of level N in the word folder DIR.
QString levelFilePath(const QString& dir, int level);

class LevelFiles {
public:
    // Opens DIR/wordN.mdb and its table for every level whose file exists;
    // `required` must exist. An unreadable file is an EngineError.
    LevelFiles(const QString& dir, int required);

    bool isOpen(int level) const { return levels_[std::size_t(level)].table != nullptr; }
    store::Database& database(int level) { return *levels_[std::size_t(level)].database; }
    store::Recordset& table(int level) { return *levels_[std::size_t(level)].table; }

    // The first level that already holds `word` (store/LevelWords.h).
    std::optional<int> levelHolding(const std::string& word);

private:
    struct Level {
        std::unique_ptr<store::Database> database;
        std::unique_ptr<store::Recordset> table; // declared last: closed first
    };
    std::array<Level, store::kLevelCount> levels_;
};

} // namespace lexitor::wordlist
