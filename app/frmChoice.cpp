#include "app/frmChoice.h"

#include "app/Form2.h"
#include "editor/frmEdit.h"
#include "screens/ScreenRefs.h"

namespace lexitor::app {

using namespace screens;

frmChoice::frmChoice(const Services& services) : ScreenWith(frmChoiceTable(), services) {
    onClick(ui.Command1, &frmChoice::Command1_Click);
    onClick(ui.Command2, &frmChoice::Command2_Click);
    onClick(ui.Command3, &frmChoice::Command3_Click);
}

void frmChoice::chooseLevel(qint16 editorCode) {
    refs::get<Form2>(services()).n = editorCode;
    refs::get<editor::frmEdit>(services()).showScreen();
    // An editor that refused the level has already unloaded this chooser
    // and shown the main menu.
    if (isUnloaded())
        return;
    hideScreen();
}

void frmChoice::closeRequested() {
    hideScreen();
    refs::get<Form2>(services()).showScreen();
}

} // namespace lexitor::app
