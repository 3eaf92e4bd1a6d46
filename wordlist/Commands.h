#pragma once
// The sub-commands of lexitor-words. Each takes the arguments after its own
// name, prints to stdout/stderr and returns the process exit status.

#include <QStringList>

namespace lexitor::wordlist {

int runCreate(const QStringList& args);
int runImport(const QStringList& args);
int runExport(const QStringList& args);
int runConvert(const QStringList& args);
int runGenerate(const QStringList& args);
int runQuality(const QStringList& args);

} // namespace lexitor::wordlist
