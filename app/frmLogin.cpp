#include "app/frmLogin.h"

#include "app/Form2.h"
#include "entry/Form1.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"

namespace lexitor::app {

using namespace screens;

namespace {
// Compared exactly: case-sensitive, blanks included.
const QString kUserName = QStringLiteral("kavel");
const QString kPassword = QStringLiteral("mupretdoxa");
} // namespace

frmLogin::frmLogin(const Services& services) : ScreenWith(frmLoginTable(), services) {
    onClick(ui.cmdOK, &frmLogin::cmdOK_Click);
    onClick(ui.cmdCancel, &frmLogin::cmdCancel_Click);
}

void frmLogin::cmdOK_Click() {
    QLineEdit* password = ui.txtPass;
    const QString passwordText = password->text();
    const QString userText = ui.txtUser->text();
    const bool userMatches = userText == kUserName;
    const bool passwordMatches = passwordText == kPassword;
    if (userMatches && passwordMatches) {
        LoginSucceeded = true;
        hideScreen();
        password->clear();
        refs::get<entry::Form1>(services()).showScreen();
        return;
    }
    MsgBox("Invalid Password, try again!", vbOKOnly, "Login");
    password->setFocus();
    password->selectAll();
}

void frmLogin::cmdCancel_Click() {
    LoginSucceeded = false;
    hideScreen();
    refs::get<Form2>(services()).showScreen();
    refs::unload<frmLogin>();
}

} // namespace lexitor::app
