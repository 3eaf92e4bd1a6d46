#pragma once
// "Edit Database": find, browse, correct and delete the words of one level.

#include "screens/Screen.h"
#include "screens/tables/frmEditTable.h"
#include "store/Recordset.h"

#include <memory>
#include <optional>

namespace lexitor::editor {

class frmEdit : public screens::ScreenWith<screens::frmEditControls> {
    Q_OBJECT
public:
    explicit frmEdit(const screens::Services& services);

    void cmdFind_Click();
    // Also how Delete moves on to the row after the deleted one.
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdUpdate_Click();
    void cmdDel_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    void closeRequested() override { cmdExit_Click(); }

private:
    // Fills the boxes from the current row, which becomes the row shown.
    void showCurrentRow();
    // The table has run empty: nothing to show, nothing to step to or change.
    void showNoRow();
    // Another program emptied the table: said as for a level too small to open.
    void emptiedElsewhere();
    // Makes the row shown current again after a Find that found nothing.
    void backToShown();
    // A change the store refused: the user is told, and the boxes show the
    // row as stored now when it changed or went elsewhere (then the row
    // after it); otherwise they keep what was typed, for another try.
    void refused(const store::RecoverableError& error);
    void closeTable();
    // The commands that need a row to act on.
    void enableRowCommands(bool enabled);

    QString fileName_;
    std::unique_ptr<store::Database> db_;
    std::unique_ptr<store::Recordset> rs_;
    // The row the boxes show; every command acts on it. Empty once the
    // last row has been deleted.
    std::optional<store::RowBookmark> shown_;
};

} // namespace lexitor::editor
