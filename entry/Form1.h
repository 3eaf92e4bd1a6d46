#pragma once
// "Add Records": a new word with its meanings, stored in the table of its level.

#include "screens/Screen.h"
#include "store/Engine.h"

#include <array>
#include <memory>

namespace lexitor {

class Form1 : public screens::Screen {
    Q_OBJECT
public:
    Form1();

    void cmdAdd_Click();
    void cmdExit2_Click();
    void txtWord_LostFocus() {}
    // Sets Cancel to keep the focus in the level box.
    void txtlevel_Validate(bool& Cancel);

protected:
    void Form_Load() override;
    void closeRequested() override { cmdExit2_Click(); }

private:
    std::array<QString, 3> levelFile_;
    std::array<std::unique_ptr<store::Database>, 3> levelDb_;
    std::array<std::unique_ptr<store::Recordset>, 3> levelRs_;
};

} // namespace lexitor
