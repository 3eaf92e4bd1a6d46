#pragma once
// The level chooser's controls and layout.

#include "screens/ScreenTable.h"

namespace lexitor::screens {

struct frmChoiceControls {
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    Label* Label1 = nullptr;
};

const ScreenTable<frmChoiceControls>& frmChoiceTable();

} // namespace lexitor::screens
