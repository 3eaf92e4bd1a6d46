#pragma once
// The one place where a fatal error (an engine failure, a 16-bit overflow)
// is reported: a message box with the error's text, then the program ends
// with a non-zero status. Every change is already durable, so nothing is
// lost by ending at once. A failure the store recovers from (a lock held
// too long, a read-only file, a full disk, a row changed elsewhere) is
// shown, and the program goes on.

#include "store/Engine.h"

#include <QString>

#include <exception>
#include <functional>

namespace lexitor::screens {

inline constexpr int kFatalExitStatus = 3;

void reportFatal(const QString& text);

void reportRecoverable(const store::RecoverableError& error);

// Runs one event handler to its end; an exception it throws is fatal,
// unless the store recovered from it.
template <typename Handler> void guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const store::RecoverableError& error) {
        reportRecoverable(error);
    } catch (const std::exception& error) {
        reportFatal(QString::fromUtf8(error.what()));
    } catch (...) {
        reportFatal(QStringLiteral("Unexpected error"));
    }
}

// Replaces the ending of the program (tests): the handler is called with
// the text after the message was shown, and the program goes on.
using FatalHandler = std::function<void(const QString&)>;
void setFatalHandler(FatalHandler handler);

} // namespace lexitor::screens
