#pragma once
// The adaptive quiz screen.

#include "screens/Screen.h"

namespace lexitor {

class frmTest : public screens::Screen {
    Q_OBJECT
public:
    frmTest();

    void optSel_Click(int Index);
    void cmdHelp_Click();
    void cmdDone_Click();
    void cmdSubmit_Click();

protected:
    void Form_Load() override;
    void closeRequested() override { cmdSubmit_Click(); }
};

} // namespace lexitor
