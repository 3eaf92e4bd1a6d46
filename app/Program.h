#pragma once
// What the program sets up around its screens: the word folder, the
// services its screens are made with, the store's hooks and the help page.

#include "screens/Services.h"

#include <QString>

#include <chrono>
#include <optional>

namespace lexitor::app {

// The real pieces: Qt's message boxes, the end of the process after a
// fatal error, the event loop's end, the desktop's viewer, the system clock
// and RndInt's draws.
screens::Services systemServices();

// Takes the word folder (the working directory) for this program, for as
// long as it runs; false when another program has it already. Needs no
// application object, so it comes before anything reads the word files.
bool claimWordFolder();
// Whether this program has the folder's lock; without it (no lock can be
// had there) the words are only read.
bool wordFolderHeld();
// Tells the user that another program has the word folder.
void reportWordFolderTaken(const screens::Services& services);
// Lets the store show a busy cursor while it waits for another program's
// lock (at most `lockWaitLimit`), and show its notices in a message box;
// says so when the words can only be read, the folder's lock not had.
void connectStore(const screens::Services& services,
                  std::chrono::milliseconds lockWaitLimit = std::chrono::seconds(5));

// Opens readme.html of the working directory in the desktop's browser,
// without a shell, or in our own window where no browser takes it. When
// the page cannot be read, the message that says why.
std::optional<QString> openHelpPage(const screens::Services& services);

} // namespace lexitor::app
