#pragma once
// Ending the program and opening the help page, behind seams that tests
// replace.

#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

namespace lexitor::app {

// Takes the word folder (the working directory) for this program, for as
// long as it runs; false when another program has it already. Needs no
// application object, so it comes before anything reads the word files.
bool claimWordFolder();
// Whether this program has the folder's lock; without it (no lock can be
// had there) the words are only read.
bool wordFolderHeld();
// Tells the user that another program has the word folder.
void reportWordFolderTaken();
// Lets the store show a busy cursor while it waits for another program's
// lock (at most `lockWaitLimit`), and show its notices in a message box;
// says so when the words can only be read, the folder's lock not had.
void connectStore(std::chrono::milliseconds lockWaitLimit = std::chrono::seconds(5));

// Ends the program: leaves the event loop; main then destroys every screen.
void endProgram();
void setEndProgramHandler(std::function<void()> handler);

// Opens readme.html of the working directory in the desktop's viewer,
// without a shell. On failure, the message that says what failed.
std::optional<QString> openHelpPage();
void setUrlOpener(std::function<bool(const QUrl&)> opener);

} // namespace lexitor::app
