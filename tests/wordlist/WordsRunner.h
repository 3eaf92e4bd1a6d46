#pragma once
// Test helpers: run the built lexitor-words, and read and write the files
// it works on.

#include "support/Files.h"
#include "support/WordFiles.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace lexitor::testing {

struct WordsRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs lexitor-words with `args` in `workDir` and waits for it to end.
WordsRun runWords(const QStringList& args, const QString& workDir = {});

} // namespace lexitor::testing
