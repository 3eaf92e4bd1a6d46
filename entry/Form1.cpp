#include "entry/Form1.h"

#include "app/Form2.h"
#include "screens/ScreenRefs.h"

namespace lexitor {

using namespace screens;

Form1::Form1() : Screen(form1Table()) {
    onClick("cmdAdd", &Form1::cmdAdd_Click);
    onClick("cmdExit2", &Form1::cmdExit2_Click);
    setValidation(textBox("txtlevel"), [this] {
        bool cancel = false;
        txtlevel_Validate(cancel);
        return !cancel;
    });
}

void Form1::Form_Load() {}

void Form1::cmdAdd_Click() {}

void Form1::txtlevel_Validate(bool& Cancel) { Cancel = false; }

void Form1::cmdExit2_Click() {
    hideScreen();
    refs::get<Form2>().showScreen();
    refs::unload<Form1>();
}

} // namespace lexitor
