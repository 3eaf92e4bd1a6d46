#pragma once
// The quiz screen's controls and layout.

#include "screens/ScreenTable.h"

namespace lexitor::screens {

struct frmTestControls {
    QPushButton* cmdcorrectme = nullptr;
    QPushButton* cmdDone = nullptr;
    QPushButton* cmdHelp = nullptr;
    OptionButtons optSel{}; // optSel(0) to optSel(3)
    QPushButton* cmdSubmit = nullptr;
    QLineEdit* txtWord = nullptr;
    Label* lblStatIncorrect = nullptr;
    Label* lblStatCorrect = nullptr;
    Label* lblRef = nullptr;
    Label* lblRefCap = nullptr;
    Label* lblCans = nullptr;
    Label* lblcorrect = nullptr;
    Label* lblword = nullptr;
    Label* lblinfo = nullptr;
};

const ScreenTable<frmTestControls>& frmTestTable();

} // namespace lexitor::screens
