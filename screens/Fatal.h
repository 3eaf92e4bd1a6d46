#pragma once
// The one place where a fatal error (an engine failure, a 16-bit overflow)
// is reported: a message box with the error's text, then the program ends
// with a non-zero status. Every change is already durable, so nothing is
// lost by ending at once. A failure the store recovers from (a lock held
// too long, a read-only file, a full disk, a row changed elsewhere) is
// shown, and the program goes on. Both are shown and ended through the
// services of the screen whose handler failed.

#include "screens/Services.h"
#include "store/Engine.h"

#include <QString>

#include <exception>

namespace lexitor::screens {

inline constexpr int kFatalExitStatus = 3;

void reportFatal(const Services& services, const QString& text);

void reportRecoverable(const Services& services, const store::RecoverableError& error);

// Runs one event handler to its end; an exception it throws is fatal,
// unless the store recovered from it.
template <typename Handler> void guarded(const Services& services, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const store::RecoverableError& error) {
        reportRecoverable(services, error);
    } catch (const std::exception& error) {
        reportFatal(services, QString::fromUtf8(error.what()));
    } catch (...) {
        reportFatal(services, QStringLiteral("Unexpected error"));
    }
}

// Ends the program at once with kFatalExitStatus, without unwinding through
// Qt or running screen handlers: what the program's services do after a
// fatal error was shown.
[[noreturn]] void endAtOnce(const QString& error);

} // namespace lexitor::screens
