#include "wordlist/AutoLevels.h"

#include "store/Recordset.h"
#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"
#include "wordlist/LevelWriter.h"
#include "wordlist/vocabulary/LevelBands.h"
#include "wordlist/vocabulary/TextTools.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

namespace lexitor::wordlist {
namespace {

using namespace vocabulary;

constexpr int kUnknown = 100;

// How common the row's word is; for a word no list holds (another
// language's), how common its meaning is when that is a word or two:
// "chien" is as common as "dog".
int commonnessOfRow(const WordNet* wn, const ScowlWords& scowl, const store::WordRecord& row) {
    const int word = commonnessOf(wn, scowl, lowerCase(trimmed(row.word.value_or(""))));
    if (word != kUnknown)
        return word;
    std::string meaning = lowerCase(trimmed(row.ans.value_or("")));
    for (const char* lead : {"to ", "a ", "an ", "the "})
        if (meaning.starts_with(lead))
            meaning.erase(0, std::string_view(lead).size());
    return std::count(meaning.begin(), meaning.end(), ' ') < 2 ? commonnessOf(wn, scowl, meaning)
                                                               : kUnknown;
}

} // namespace

int addByCommonness(const std::vector<ListRow>& rows, const WordSources& sources,
                    const AutoImport& import) {
    LevelFiles levels(import.dir, -1);
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (!levels.isOpen(level)) {
            printError(QStringLiteral("import: --level auto adds to all three levels, and %1 does "
                                      "not exist; create it first with lexitor-words create")
                           .arg(levelFilePath(import.dir, level)));
            return kExitRefused;
        }
    }
    ScowlWords scowl;
    std::unique_ptr<WordNet> wn; // for base forms; levels are told without it too
    try {
        scowl = loadScowl(sources.scowl.toStdString());
        wn = std::make_unique<WordNet>(loadWordNet(sources.wordnet.toStdString()));
    } catch (const VocabularyError& error) {
        if (scowl.empty()) {
            printError(QStringLiteral("import: --level auto needs SCOWL: %1")
                           .arg(QString::fromStdString(error.what())));
            return kExitRefused;
        }
    }
    std::array<int, 3> present{};
    for (int level = 0; level < store::kLevelCount; ++level)
        present[std::size_t(level)] = levels.table(level).RecordCount();
    std::vector<int> commonness;
    for (const ListRow& row : rows)
        commonness.push_back(commonnessOfRow(wn.get(), scowl, row.record));
    const std::vector<int> chosen = levelsByCommonness(commonness, present);

    std::array<std::vector<store::WordRecord>, store::kLevelCount> byLevel;
    for (std::size_t i = 0; i < rows.size(); ++i)
        byLevel[std::size_t(chosen[i])].push_back(rows[i].record);
    QStringList counts;
    for (int level = 0; level < store::kLevelCount; ++level)
        counts.append(QStringLiteral("%1 into %2 (level %3)")
                          .arg(byLevel[std::size_t(level)].size())
                          .arg(levelFilePath(import.dir, level))
                          .arg(level));
    const QString where = QStringLiteral("%1 %2 by how common each word is: %3")
                              .arg(rows.size())
                              .arg(import.rowsName, counts.join(QStringLiteral(", ")));
    if (import.dryRun) {
        printLine(QStringLiteral("Dry run: would import ") + where +
                  QStringLiteral("; nothing was written.") + import.skippedText);
    } else {
        std::array<std::unique_ptr<LevelAppender>, store::kLevelCount> appenders;
        for (int level = 0; level < store::kLevelCount; ++level) {
            const auto& records = byLevel[std::size_t(level)];
            if (records.empty())
                continue;
            auto& appender = appenders[std::size_t(level)];
            appender = std::make_unique<LevelAppender>(levels.database(level), levels.table(level),
                                                       QStringLiteral("Importing"),
                                                       qsizetype(records.size()));
            for (const store::WordRecord& record : records)
                appender->add(record);
        }
        for (auto& appender : appenders)
            if (appender)
                appender->commit();
        printLine(QStringLiteral("Imported ") + where + QStringLiteral(".") + import.skippedText);
    }
    for (int level = 0; level < store::kLevelCount; ++level)
        if (present[std::size_t(level)] + int(byLevel[std::size_t(level)].size()) < 2)
            printError(QStringLiteral("level %1 holds fewer than the 2 words a quiz needs in "
                                      "every level")
                           .arg(level));
    return kExitOk;
}

} // namespace lexitor::wordlist
