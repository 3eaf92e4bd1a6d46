#pragma once
// import --level auto: each row goes to the level of its word's commonness
// (see vocabulary/LevelBands.h), so that one collection fills all three
// levels and can be quizzed on its own.

#include "wordlist/ImportSources.h"
#include "wordlist/LevelFiles.h"

#include <QString>

#include <vector>

namespace lexitor::wordlist {

struct AutoImport {
    QString dir;
    bool dryRun = false;
    QString rowsName;    // "rows" or "words"
    QString skippedText; // what was left out, for the closing line
};

// Adds `rows` to the levels of `levels` (all three must exist), each level's
// rows in one transaction, all committed together, and reports how many
// went where; with a dry run only the report. Returns the exit status.
int addByCommonness(LevelFiles& levels, const std::vector<ListRow>& rows,
                    const WordSources& sources, const AutoImport& import);

} // namespace lexitor::wordlist
