#pragma once
// The login gate before "Add Records".

#include "screens/Screen.h"
#include "screens/tables/frmLoginTable.h"

namespace lexitor::app {

class frmLogin : public screens::ScreenWith<screens::frmLoginControls> {
    Q_OBJECT
public:
    explicit frmLogin(const screens::Services& services);

    bool LoginSucceeded = false;

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void closeRequested() override { cmdCancel_Click(); }
};

} // namespace lexitor::app
