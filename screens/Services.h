#pragma once
// What the screens use of the world around the program: message boxes, the
// end of the program, the desktop's viewer, the clock and the quiz's draws.
// The program makes one in main with the real pieces
// (app::systemServices); a test makes its own with scripted ones. Each
// screen is made with it, keeps a copy, and hands it on to the screens it
// opens through the screen references, so nothing here is set process-wide.

#include "screens/Messages.h"

#include <QDateTime>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace lexitor::quiz {
// The quiz's draws (quiz/Drawer.h): carried here, used by the quiz alone.
class RandomSource;
} // namespace lexitor::quiz

namespace lexitor::screens {

struct Services {
    // Shows a modal message box and returns its answer code.
    std::function<int(const Message&)> showMessage;
    // Ends the program at once after a fatal error was shown (a test's
    // records the error and lets the run go on).
    std::function<void(const QString& error)> endAfterFatal;
    // Ends the program normally: leaves the event loop.
    std::function<void()> endProgram;
    // Opens a page in the desktop's viewer; false when it could not.
    std::function<bool(const QUrl&)> openUrl;
    // The time now, as the system clock has it.
    std::function<QDateTime()> now;
    std::shared_ptr<quiz::RandomSource> quizDraws;
};

} // namespace lexitor::screens
