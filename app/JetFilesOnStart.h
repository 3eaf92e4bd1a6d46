#pragma once
// Word files kept in the Jet format (copied from an earlier program) are
// brought across to Lexitor's own format when the program starts, before
// the main menu appears. Their readers are forked children, so they are
// started before the application object exists, while the process has a
// single thread; a progress window with Cancel shows while they take long.

#include "screens/Services.h"
#include "wordlist/JetFolderConversion.h"

#include <chrono>

namespace lexitor::app {

class JetFilesOnStart {
public:
    // Looks at the level files of the working folder and starts a reader
    // for each Jet file.
    JetFilesOnStart();

    // Waits for the readers (with a progress window once `showProgressAfter`
    // has passed; its Cancel leaves the files still being read as they are)
    // and brings the files across. Needs the application object.
    wordlist::FolderConversion
    bringAcross(std::chrono::milliseconds showProgressAfter = std::chrono::milliseconds(400));

private:
    wordlist::JetFolderConversion conversion_;
};

// Says in one message what was converted, where the originals are and
// what was left as it was; shows nothing when the folder held no Jet file.
void reportJetConversion(const screens::Services& services,
                         const wordlist::FolderConversion& conversion);

} // namespace lexitor::app
