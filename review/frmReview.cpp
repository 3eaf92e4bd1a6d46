#include "review/frmReview.h"

#include "app/Form2.h"
#include "quiz/Drawer.h"
#include "quiz/QuizRules.h"
#include "review/DueChart.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"
#include "store/Recordset.h"

#include <algorithm>
#include <limits>

namespace lexitor::review {

using namespace screens;

namespace {

QString text(const store::FieldValue& value) {
    return QString::fromStdString(value.value_or(""));
}

} // namespace

frmReview::frmReview(const Services& services)
    : ScreenWith(frmReviewTable(), services),
      recorder_(services.now, [this](const QString& text) { MsgBox(text, vbExclamation); }),
      chart_(new DueChart(ui.lblChart)) {
    onClick(ui.cmdHelp, &frmReview::cmdHelp_Click);
    onClick(ui.cmdNext, &frmReview::cmdNext_Click);
    onClick(ui.cmdExit, &frmReview::cmdExit_Click);
    for (int index = 0; index < quiz::kOptionCount; ++index) {
        connect(ui.optSel[index], &QAbstractButton::toggled, this, [this, index](bool selected) {
            if (selected)
                guarded([&] { optSel_Click(index); });
        });
    }
}

frmReview::~frmReview() = default;

void frmReview::Form_Load() {
    levels_ = std::make_unique<OpenLevels>();
    for (const auto& level : store::kLevels)
        recorder_.checkKept(*levels_->db[level.level], level);
    queue_ = std::make_unique<ReviewQueue>(*levels_, localDay(services().now()));
    const DueToday due = queue_->dueToday();
    planned_ = due.due + due.fresh;
    askNext();
}

void frmReview::askNext() {
    question_ = queue_->next();
    if (!question_)
        return showSummary();
    const store::WordRecord& row = question_->word.row;
    ui.txtWord->setText(text(row.word));
    ui.lblProgress->setText(
        QStringLiteral("%1 of %2%3")
            .arg(asked_ + 1)
            .arg(std::max(planned_, asked_ + 1))
            .arg(question_->isNew ? QStringLiteral(", a new word") : QString()));
    for (Label* result : {ui.lblRight, ui.lblWrong, ui.lblMeaning})
        result->hide();
    ui.lblRef->setText(QString());
    ui.cmdNext->hide();
    ui.cmdHelp->setEnabled(true);
    showOptions(row);
    ui.optSel[0]->setFocus();
}

// The right meaning on the option the quiz's draws choose, the stored wrong
// meanings on the others as the quiz places them; one too short to stand is
// replaced by another word's meaning, as in the quiz.
void frmReview::showOptions(const store::WordRecord& row) {
    const quiz::StoredChoices stored = {row.ans, row.c1, row.c2, row.c3};
    const auto onOption = quiz::placement(services().quizDraws->answerSlot());
    for (int index = 0; index < quiz::kOptionCount; ++index) {
        const auto& choice = stored[static_cast<std::size_t>(onOption[index])];
        const std::string caption = onOption[index] == quiz::Choice::Ans ? *row.ans
                                    : quiz::needsSubstitute(choice)      ? otherAnswer(*row.ans)
                                                                         : *choice;
        OptionButton* option = ui.optSel[index];
        option->setChecked(false);
        option->setEnabled(true);
        option->setCaption(QString::fromStdString(caption));
    }
}

// The meaning of a row of the question's level, drawn as the quiz draws a
// substitute, that differs from the right one; after a few draws that find
// none, the right one again.
std::string frmReview::otherAnswer(const std::string& right) {
    const int level = question_->level;
    auto rs = levels_->db[level]->OpenRecordset(std::string(store::kLevels[level].table));
    const int count = std::min(rs->RecordCount(), int(std::numeric_limits<qint16>::max()));
    for (int draw = 0; count > 1 && draw < 8; ++draw) {
        rs->MoveFirst();
        rs->Move(services().quizDraws->substitute(static_cast<qint16>(count - 1)));
        if (const auto ans = rs->Eof() ? std::nullopt : rs->Field("ans"); ans && *ans != right)
            return *ans;
    }
    return right;
}

void frmReview::optSel_Click(int Index) {
    if (!question_)
        return;
    answered(ui.optSel[Index]->caption() == text(question_->word.row.ans), false);
}

void frmReview::cmdHelp_Click() {
    if (question_)
        answered(false, true);
}

void frmReview::answered(bool right, bool helped) {
    const int level = question_->level;
    const store::WordRecord& row = question_->word.row;
    recorder_.record(*levels_->db[level], store::kLevels[level], *row.word, right,
                     store::AnswerPlace::Review, question_->isNew);
    ++asked_;
    if (right)
        ++right_;
    else
        missed_.append(text(row.word) + QStringLiteral(": ") + text(row.ans));
    for (OptionButton* option : ui.optSel)
        option->setEnabled(false);
    ui.cmdHelp->setEnabled(false);
    if (!helped)
        (right ? ui.lblRight : ui.lblWrong)->announce();
    ui.lblMeaning->setText(text(row.ans));
    ui.lblMeaning->announce();
    ui.lblRef->setText(quiz::hasReference(row.ref) ? text(row.ref) : QString());
    ui.cmdNext->show();
    ui.cmdNext->setFocus();
}

void frmReview::cmdNext_Click() {
    askNext();
}

void frmReview::showSummary() {
    inSummary_ = true;
    question_.reset();
    const auto ahead = queue_->dueAhead();
    closeLevels();
    for (QWidget* control : controlsInRowOrder())
        control->hide();
    ui.cmdExit->show();
    ui.cmdExit->setFocus();
    ui.lblChartCap->show();
    ui.lblChart->show();
    chart_->setCounts(ahead);
    ui.lblChart->setAccessibleDescription(describeDueChart(ahead));
    // Shown after the chart, so that a long list stops above it.
    ui.lblMissed->show();
    ui.lblMissed->setText(missed_.isEmpty()
                              ? QString()
                              : QStringLiteral("Missed: ") + missed_.join(QStringLiteral("; ")));
    ui.lblSummary->show();
    ui.lblSummary->setText(
        planned_ == 0 && asked_ == 0
            ? QStringLiteral("No words are due today.")
            : QStringLiteral("Words asked: %1. Right: %2.").arg(asked_).arg(right_));
}

void frmReview::cmdExit_Click() {
    if (!inSummary_)
        return showSummary();
    hideScreen();
    refs::get<app::Form2>(services()).showScreen();
    refs::unload<frmReview>();
}

void frmReview::closeLevels() {
    queue_.reset();
    levels_.reset();
}

} // namespace lexitor::review
