#pragma once
// Word files kept in the Jet format (copied from an earlier program) are
// brought across to Lexitor's own format when the program starts, before
// the main menu appears.

#include "screens/Services.h"
#include "wordlist/JetFolderConversion.h"

namespace lexitor::app {

// Converts the Jet level files of the working folder. Called before the
// application object exists, while the process has one thread: the Jet
// reader runs in a forked child.
wordlist::FolderConversion bringJetFilesAcross();

// Says in one message what was converted, where the originals are and
// what was left as it was; shows nothing when the folder held no Jet file.
void reportJetConversion(const screens::Services& services,
                         const wordlist::FolderConversion& conversion);

} // namespace lexitor::app
