#include "quiz/frmTest.h"

#include "app/Form2.h"
#include "screens/ScreenRefs.h"

namespace lexitor {

using namespace screens;

frmTest::frmTest() : Screen(frmTestTable()) {
    onClick("cmdHelp", &frmTest::cmdHelp_Click);
    onClick("cmdDone", &frmTest::cmdDone_Click);
    onClick("cmdSubmit", &frmTest::cmdSubmit_Click);
}

void frmTest::Form_Load() {}
void frmTest::optSel_Click(int) {}
void frmTest::cmdHelp_Click() {}
void frmTest::cmdDone_Click() {}

void frmTest::cmdSubmit_Click() {
    hideScreen();
    refs::get<Form2>().showScreen();
    refs::unload<frmTest>();
}

} // namespace lexitor
