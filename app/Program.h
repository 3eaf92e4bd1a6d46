#pragma once
// Ending the program and opening the help page, behind seams that tests
// replace.

#include <QUrl>

#include <functional>
#include <optional>

namespace lexitor::app {

// Ends the program: leaves the event loop; main then destroys every screen.
void endProgram();
void setEndProgramHandler(std::function<void()> handler);

// Opens readme.html of the working directory in the desktop's viewer,
// without a shell. On failure, the message that says what failed.
std::optional<QString> openHelpPage();
void setUrlOpener(std::function<bool(const QUrl&)> opener);

} // namespace lexitor::app
