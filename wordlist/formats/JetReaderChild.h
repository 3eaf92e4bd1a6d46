#pragma once
// The child's side of a JetReading: it bounds itself, reads the table with
// libmdb and writes what it found (JetReaderPayload.h) into the pipe.

#include "wordlist/formats/JetReader.h"

namespace lexitor::wordlist::jet {

// Runs in the child right after fork(); ends it with _exit: 0 when the
// table was sent, 1 when a reason was, 2 when the pipe took neither.
// `parent` is the process that forked it: the child dies with it.
[[noreturn]] void runReaderChild(int out, pid_t parent, const QString& path, const QString& table,
                                 const JetLimits& limits);

} // namespace lexitor::wordlist::jet
