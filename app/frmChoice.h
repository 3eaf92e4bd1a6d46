#pragma once
// The level chooser before the database editor.

#include "screens/Screen.h"
#include "screens/tables/frmChoiceTable.h"

namespace lexitor::app {

class frmChoice : public screens::ScreenWith<screens::frmChoiceControls> {
    Q_OBJECT
public:
    explicit frmChoice(const screens::Services& services);

    void Command1_Click() { chooseLevel(1); }
    void Command2_Click() { chooseLevel(2); }
    void Command3_Click() { chooseLevel(3); }

protected:
    // The chooser has no way back of its own; closing it returns to the menu.
    void closeRequested() override;

private:
    void chooseLevel(qint16 editorCode);
};

} // namespace lexitor::app
