#pragma once
// The sub-commands of lexitor-words. Each takes the arguments after its own
// name, prints to stdout/stderr and returns the process exit status.

#include <QStringList>

namespace lexitor::tools {

int runCreate(const QStringList& args);   // wordlist/
int runImport(const QStringList& args);   // wordlist/
int runExport(const QStringList& args);   // wordlist/
int runConvert(const QStringList& args);  // wordlist/
int runGenerate(const QStringList& args); // vocabulary/

} // namespace lexitor::tools
