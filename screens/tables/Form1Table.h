#pragma once
// The controls and layout of "Add Records".

#include "screens/ScreenTable.h"

namespace lexitor::screens {

struct Form1Controls {
    QLineEdit* txtWord = nullptr;
    QLineEdit* txtAns = nullptr;
    QLineEdit* txtlevel = nullptr;
    QLineEdit* txtC1 = nullptr;
    QLineEdit* txtC2 = nullptr;
    QLineEdit* txtC3 = nullptr;
    QLineEdit* txtRef = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdExit2 = nullptr;
    Label* lblWords = nullptr;
    Label* lblAns = nullptr;
    Label* lblchoice1 = nullptr;
    Label* Label1 = nullptr;
    Label* Label2 = nullptr;
    Label* lblRefer = nullptr;
    Label* lblLevel = nullptr;
    Label* Label3 = nullptr;
    Line* Line1 = nullptr;
    Line* Line2 = nullptr;
};

const ScreenTable<Form1Controls>& form1Table();

} // namespace lexitor::screens
