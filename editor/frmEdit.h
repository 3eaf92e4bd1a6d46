#pragma once
// "Edit Database": find, browse, correct and delete the words of one level.

#include "screens/Screen.h"
#include "store/Engine.h"

#include <memory>

namespace lexitor {

class frmEdit : public screens::Screen {
    Q_OBJECT
public:
    frmEdit();

    void cmdFind_Click();
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdUpdate_Click();
    void cmdDel_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    void closeRequested() override { cmdExit_Click(); }

private:
    QString fileName_;
    std::unique_ptr<store::Database> db_;
    std::unique_ptr<store::Recordset> rs_;
};

} // namespace lexitor
