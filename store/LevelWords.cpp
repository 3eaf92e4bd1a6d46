#include "store/LevelWords.h"

#include "store/Recordset.h"

#include <QString>

namespace lexitor::store {

std::string searchWord(std::string_view typed) {
    return QString::fromUtf8(typed.data(), qsizetype(typed.size())).trimmed().toStdString();
}

std::optional<int> levelHolding(const LevelTables& tables, std::string_view typed) {
    const std::string key = searchWord(typed);
    std::optional<int> holding;
    for (const LevelDatabase& level : kLevels) {
        Recordset* table = tables[std::size_t(level.level)];
        if (!table)
            continue;
        table->Index(std::string(level.index));
        table->Seek("=", key);
        if (!holding && !table->NoMatch())
            holding = level.level;
    }
    return holding;
}

} // namespace lexitor::store
