#pragma once
// The main menu's controls and layout.

#include "screens/ScreenTable.h"

namespace lexitor::screens {

struct Form2Controls {
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdEdit2 = nullptr;
    QPushButton* cmdtest = nullptr;
    QPushButton* cmdExit = nullptr;
    Label* Label1 = nullptr;
    QPushButton* cmdReview = nullptr;
};

const ScreenTable<Form2Controls>& form2Table();

} // namespace lexitor::screens
