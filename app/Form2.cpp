#include "app/Form2.h"

#include "app/Program.h"
#include "app/frmChoice.h"
#include "app/frmLogin.h"
#include "editor/frmEdit.h"
#include "entry/Form1.h"
#include "quiz/frmTest.h"
#include "review/frmReview.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"

#include <QMouseEvent>
#include <QTimer>

namespace lexitor::app {

using namespace screens;

Form2::Form2(const Services& services) : ScreenWith(form2Table(), services) {
    onClick(ui.cmdEdit, &Form2::cmdEdit_Click);
    onClick(ui.cmdEdit2, &Form2::cmdEdit2_Click);
    onClick(ui.cmdtest, &Form2::cmdtest_Click);
    onClick(ui.cmdExit, &Form2::cmdExit_Click);
    onClick(ui.cmdReview, &Form2::cmdReview_Click);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        guarded([this] { Label1_Click(); });
        return true;
    }
    return Screen::eventFilter(watched, event);
}

void Form2::cmdEdit_Click() {
    refs::get<Form2>(services()).hideScreen();
    refs::get<frmLogin>(services()).showScreen();
}

void Form2::cmdEdit2_Click() {
    refs::get<Form2>(services()).hideScreen();
    refs::get<frmChoice>(services()).showScreen();
}

void Form2::cmdtest_Click() {
    refs::get<Form2>(services()).hideScreen();
    refs::get<quiz::frmTest>(services()).showScreen();
}

void Form2::cmdExit_Click() {
    if (MsgBox("Are you sure you want to quit?", vbYesNo + vbInformation, "Confirm") != vbYes)
        return;
    refs::release<entry::Form1>();
    refs::release<Form2>();
    refs::release<frmChoice>();
    refs::release<frmLogin>();
    services().endProgram();
}

void Form2::Label1_Click() {
    if (const auto failure = app::openHelpPage(services()))
        MsgBox(*failure, vbExclamation);
}

void Form2::cmdReview_Click() {
    refs::get<Form2>(services()).hideScreen();
    refs::get<review::frmReview>(services()).showScreen();
}

// The menu is up before the words are counted: the count starts once it
// has been drawn.
void Form2::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    countWhenDrawn_ = true;
}

void Form2::paintEvent(QPaintEvent* event) {
    Screen::paintEvent(event);
    if (std::exchange(countWhenDrawn_, false))
        QTimer::singleShot(0, this, [this] { guarded([this] { showDueCount(); }); });
}

void Form2::showDueCount() {
    if (!isVisible() || !services().now)
        return;
    QString count;
    try {
        review::OpenLevels levels;
        review::ReviewQueue queue(levels, review::localDay(services().now()));
        const review::DueToday due = queue.dueToday();
        count = QString::number(due.due + due.fresh);
    } catch (const store::EngineError&) {
        // Word files that cannot be opened now are told of where they are used.
    }
    ui.cmdReview->setText(count.isEmpty() ? QStringLiteral("&Review")
                                          : QStringLiteral("&Review: %1 due today").arg(count));
    ui.cmdReview->setAccessibleName(count.isEmpty()
                                        ? QStringLiteral("Review")
                                        : QStringLiteral("Review, %1 words due today").arg(count));
}

} // namespace lexitor::app
