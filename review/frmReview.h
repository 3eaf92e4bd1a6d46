#pragma once
// The Review screen: asks the words that are due and a few new ones, one
// at a time with four options, keeps every answer, and ends with a summary.

#include "review/AnswerRecorder.h"
#include "review/DueChart.h"
#include "review/ReviewQueue.h"
#include "screens/Screen.h"
#include "screens/tables/frmReviewTable.h"

#include <QStringList>

#include <memory>
#include <optional>

namespace lexitor::review {

class frmReview : public screens::ScreenWith<screens::frmReviewControls> {
    Q_OBJECT
public:
    explicit frmReview(const screens::Services& services);
    ~frmReview() override;

    void optSel_Click(int Index);
    void cmdHelp_Click();
    void cmdNext_Click();
    // Leaves the questions for the summary, and the summary for the menu.
    void cmdExit_Click();

protected:
    void Form_Load() override;
    void closeRequested() override { cmdExit_Click(); }

private:
    void askNext();
    void showOptions(const store::WordRecord& row);
    std::string otherAnswer(const std::string& right);
    // After an answer (or Help Me, which counts as wrong): the result for
    // the word still on screen.
    void answered(bool right, bool helped);
    void showSummary();
    void closeLevels();

    AnswerRecorder recorder_;
    DueChart* chart_; // drawn in lblChart's place, owned by it
    std::unique_ptr<OpenLevels> levels_;
    std::unique_ptr<ReviewQueue> queue_;
    std::optional<Question> question_;
    int planned_ = 0; // due and new words when the screen opened
    int asked_ = 0;
    int right_ = 0;
    QStringList missed_;
    bool inSummary_ = false;
};

} // namespace lexitor::review
