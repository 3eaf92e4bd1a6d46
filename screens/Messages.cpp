#include "screens/Messages.h"

#include "screens/Services.h"

#include <QApplication>
#include <QMessageBox>

namespace lexitor::screens {

namespace {

QMessageBox::Icon iconFor(int code) {
    switch (code & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int showMessageBox(const Message& message) {
    QMessageBox box(iconFor(message.code), message.title, message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if ((message.code & 0x7) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return vbOK;
}

int MsgBox(const Services& services, const QString& text, int code, const QString& title) {
    return services.showMessage({text, title.isEmpty() ? kApplicationTitle : title, code});
}

} // namespace lexitor::screens
