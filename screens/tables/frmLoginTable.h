#pragma once
// The login gate's controls and layout.

#include "screens/ScreenTable.h"

namespace lexitor::screens {

struct frmLoginControls {
    Label* lbluser = nullptr;
    QLineEdit* txtUser = nullptr;
    Label* lblPass = nullptr;
    QLineEdit* txtPass = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

const ScreenTable<frmLoginControls>& frmLoginTable();

} // namespace lexitor::screens
