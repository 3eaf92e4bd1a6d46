#pragma once
// Test helpers: run the built lexitor-words, and read and write the files
// it works on.

#include "support/Files.h"
#include "support/WordFiles.h"

#include <QString>
#include <QStringList>

namespace lexitor::testing {

struct WordsRun {
    int exitCode = -1;
    QString out;
    QString err;

    // Exit status and both outputs, for a failure message.
    QString describe() const;
};

// Runs lexitor-words with `args` in `workDir` and waits for it to end.
WordsRun runWords(const QStringList& args, const QString& workDir = {});

// `dir`/word<level>.mdb
QString levelFile(const QString& dir, int level);

// Creates the empty level databases word0.mdb .. word2.mdb (those listed)
// in `dir` with lexitor-words create.
bool createLevels(const QString& dir, std::initializer_list<int> levels = {0, 1, 2});

// The bytes of every level database in `dir`, one after the other.
QByteArray levelFileBytes(const QString& dir);

} // namespace lexitor::testing
