#pragma once
// Test helpers: run the built lexitor-words, and read and write the files
// it works on.

#include "store/WordRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace lexitor::tests {

struct WordsRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs lexitor-words with `args` in `workDir` and waits for it to end.
WordsRun runWords(const QStringList& args, const QString& workDir = {});

// Every row of a level database in table order, read through the store.
std::vector<store::WordRecord> levelRows(const QString& path, int level);

QByteArray fileBytes(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace lexitor::tests
