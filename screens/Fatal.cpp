#include "screens/Fatal.h"

#include "screens/Messages.h"

#include <cstdlib>

namespace lexitor::screens {

void reportFatal(const Services& services, const QString& text) {
    MsgBox(services, text, vbCritical);
    services.endAfterFatal(text);
}

void reportRecoverable(const Services& services, const store::RecoverableError& error) {
    MsgBox(services, QString::fromUtf8(error.what()), vbExclamation);
}

void endAtOnce(const QString& /*error*/) {
    std::_Exit(kFatalExitStatus);
}

} // namespace lexitor::screens
