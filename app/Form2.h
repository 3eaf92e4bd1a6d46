#pragma once
// The main menu: the hub every screen is reached from and returns to.

#include "screens/Screen.h"
#include "screens/tables/Form2Table.h"

namespace lexitor::app {

class Form2 : public screens::ScreenWith<screens::Form2Controls> {
    Q_OBJECT
public:
    explicit Form2(const screens::Services& services);

    // The editor level code (1, 2 or 3) the level chooser hands to the editor.
    qint16 n = 0;

    void cmdEdit_Click();
    void cmdEdit2_Click();
    void cmdtest_Click();
    void cmdExit_Click();
    void Label1_Click();
    void cmdReview_Click();

protected:
    void closeRequested() override { cmdExit_Click(); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Shows on the Review button how many words are due today; the files
    // are open only while they are counted.
    void showDueCount();
    bool countWhenDrawn_ = false;
};

} // namespace lexitor::app
