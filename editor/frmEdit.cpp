#include "editor/frmEdit.h"

#include "app/Form2.h"
#include "screens/ScreenRefs.h"

namespace lexitor {

using namespace screens;

frmEdit::frmEdit() : Screen(frmEditTable()) {
    onClick("cmdFind", &frmEdit::cmdFind_Click);
    onClick("cmdNext", &frmEdit::cmdNext_Click);
    onClick("cmdPrev", &frmEdit::cmdPrev_Click);
    onClick("cmdUpdate", &frmEdit::cmdUpdate_Click);
    onClick("cmdDel", &frmEdit::cmdDel_Click);
    onClick("cmdExit", &frmEdit::cmdExit_Click);
}

void frmEdit::Form_Load() {}
void frmEdit::cmdFind_Click() {}
void frmEdit::cmdNext_Click() {}
void frmEdit::cmdPrev_Click() {}
void frmEdit::cmdUpdate_Click() {}
void frmEdit::cmdDel_Click() {}

void frmEdit::cmdExit_Click() {
    hideScreen();
    refs::get<Form2>().showScreen();
    refs::unload<frmEdit>();
}

} // namespace lexitor
