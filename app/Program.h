#pragma once
// Ending the program and opening the help page, behind seams that tests
// replace.

#include <QUrl>

#include <functional>
#include <optional>

namespace lexitor::app {

// Takes the word folder (the working directory) for this program, for as
// long as it runs; false when another program has it already. Needs no
// application object, so it comes before anything reads the word files.
bool claimWordFolder();
// Tells the user that another program has the word folder.
void reportWordFolderTaken();
// Lets the store show a busy cursor while it waits for another program's
// lock, and show its notices in a message box.
void connectStore();

// Ends the program: leaves the event loop; main then destroys every screen.
void endProgram();
void setEndProgramHandler(std::function<void()> handler);

// Opens readme.html of the working directory in the desktop's browser,
// without a shell, or in our own window where no browser takes it. When
// the page cannot be read, the message that says why.
std::optional<QString> openHelpPage();
void setUrlOpener(std::function<bool(const QUrl&)> opener);

} // namespace lexitor::app
