#pragma once
// The controls and layout of "Edit Database".

#include "screens/ScreenTable.h"

namespace lexitor::screens {

struct frmEditControls {
    QLineEdit* txtWord = nullptr;
    Label* lblWords = nullptr;
    QPushButton* cmdFind = nullptr;
    Label* lblAns = nullptr;
    QLineEdit* txtAns = nullptr;
    Label* lblChoices = nullptr;
    QLineEdit* txtC1 = nullptr;
    QLineEdit* txtC2 = nullptr;
    QLineEdit* txtC3 = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdPrev = nullptr;
    Label* Label1 = nullptr;
    QLineEdit* txtRef = nullptr;
};

const ScreenTable<frmEditControls>& frmEditTable();

} // namespace lexitor::screens
