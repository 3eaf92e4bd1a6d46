#include "screens/Fatal.h"

#include "screens/Messages.h"

#include <cstdlib>

namespace lexitor::screens {

namespace {
FatalHandler& fatalHandler() {
    static FatalHandler instance;
    return instance;
}
} // namespace

void reportFatal(const QString& text) {
    MsgBox(text, vbCritical);
    if (fatalHandler()) {
        fatalHandler()(text);
        return;
    }
    // Leave without unwinding through Qt or running screen handlers.
    std::_Exit(kFatalExitStatus);
}

void reportRecoverable(const store::RecoverableError& error) {
    MsgBox(QString::fromUtf8(error.what()), vbExclamation);
}

void setFatalHandler(FatalHandler handler) {
    fatalHandler() = std::move(handler);
}

} // namespace lexitor::screens
