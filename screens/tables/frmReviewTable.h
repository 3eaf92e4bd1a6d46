#pragma once
// The Review screen's controls and layout: a question with its four
// options, the result of an answer, and the summary that replaces them at
// the end.

#include "screens/ScreenTable.h"

namespace lexitor::screens {

struct frmReviewControls {
    QLineEdit* txtWord = nullptr;
    Label* lblword = nullptr;
    Label* lblProgress = nullptr;
    OptionButtons optSel{}; // optSel(0) top left, (1) bottom left, (2) top right, (3) bottom right
    Label* lblRight = nullptr;
    Label* lblWrong = nullptr;
    Label* lblMeaning = nullptr;
    Label* lblRef = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdExit = nullptr;
    Label* lblSummary = nullptr;
    Label* lblMissed = nullptr;
    Label* lblChartCap = nullptr;
    Label* lblChart = nullptr;
};

const ScreenTable<frmReviewControls>& frmReviewTable();

} // namespace lexitor::screens
