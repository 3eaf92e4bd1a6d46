// The quiz screen: its start, Help Me, Done and Submit.
#include "quiz/frmTest.h"

#include "app/Form2.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"
#include "store/WordRecord.h"

#include <limits>

namespace lexitor::quiz {

using namespace screens;

static_assert(std::tuple_size_v<OptionButtons> == kOptionCount);

frmTest::frmTest(const Services& services)
    : ScreenWith(frmTestTable(), services),
      recorder_(services.now, [this](const QString& text) { MsgBox(text, vbExclamation); }) {
    onClick(ui.cmdHelp, &frmTest::cmdHelp_Click);
    onClick(ui.cmdDone, &frmTest::cmdDone_Click);
    onClick(ui.cmdSubmit, &frmTest::cmdSubmit_Click);
    // An option answers when it becomes selected, by mouse or by key; the
    // handler deselects it again.
    for (int index = 0; index < kOptionCount; ++index) {
        connect(ui.optSel[index], &QAbstractButton::toggled, this, [this, index](bool selected) {
            if (selected)
                guarded([&] { optSel_Click(index); });
        });
    }
}

frmTest::~frmTest() = default;

void frmTest::Form_Load() {
    for (const auto& level : store::kLevels)
        q.levelFile[level.level] = std::string(level.file);
    for (int level = 0; level < store::kLevelCount; ++level)
        levelDb[level] = store::DBEngine::instance().OpenDatabase(q.levelFile[level]);
    for (const auto& level : store::kLevels)
        levelRs[level.level] =
            levelDb[level.level]->OpenRecordset(std::string(level.table), store::dbOpenTable);

    q.currentLevel = kStartLevel;
    q.blockPos = 0;
    q.maxScore = 0;
    q.score = 0;
    for (int level = 0; level < store::kLevelCount; ++level) {
        const int count = levelRs[level]->RecordCount();
        if (count < 2)
            return failStart(QStringLiteral("Sorry Not enough records"));
        // Row offsets are 16-bit numbers: a larger table cannot be quizzed.
        if (count > std::numeric_limits<qint16>::max())
            return failStart(QStringLiteral("Sorry Too many records: a level may hold at most "
                                            "32767 words for the quiz"));
        q.recCount[level] = static_cast<qint16>(count);
        levelRs[level]->MoveFirst();
        q.levelUsedUp[level] = false;
    }
    for (const auto& level : store::kLevels)
        recorder_.checkKept(*levelDb[level.level], level);
    // The start sets one Boolean of the window: that it takes answers.
    setEnabled(true);
    ask(drawer().firstQuestion());
}

// The quiz cannot run: back to the main menu, and this screen goes away so
// that the next quiz starts afresh.
void frmTest::failStart(const QString& text) {
    MsgBox(text, vbOKOnly, QStringLiteral("Testing Failed"));
    closeLevels();
    refs::get<app::Form2>(services()).showScreen();
    refs::unload<frmTest>();
}

void frmTest::closeLevels() {
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (levelRs[level])
            levelRs[level]->Close();
        if (levelDb[level])
            levelDb[level]->Close();
        levelRs[level].reset();
        levelDb[level].reset();
    }
}

void frmTest::cmdHelp_Click() {
    for (int index = 0; index < kOptionCount; ++index)
        ui.optSel[index]->setEnabled(false);
    ui.lblStatCorrect->hide();
    ui.lblStatIncorrect->hide();
    ui.lblRefCap->show();
    ui.cmdSubmit->setEnabled(false);
    ui.cmdHelp->setEnabled(false);
    ui.cmdDone->show();
    ui.cmdDone->setEnabled(true);
    q.answerSlot = 0;
    ui.lblCans->setText(QString::fromStdString(questionAns_));
    showReference(QStringLiteral("No reference found"));
}

void frmTest::cmdDone_Click() {
    ui.cmdDone->hide();
    ui.cmdDone->setEnabled(false);
    for (int index = 0; index < kOptionCount; ++index)
        ui.optSel[index]->setEnabled(true);
    ui.cmdHelp->setEnabled(true);
    ui.cmdSubmit->setEnabled(true);
    ui.lblRef->setText(QString());
    optSel_Click(0);
}

void frmTest::cmdSubmit_Click() {
    MsgBox(QStringLiteral("Your score is%1/%2").arg(q.score).arg(q.maxScore),
           vbOKOnly + vbInformation, QStringLiteral("Score"));
    hideScreen();
    closeLevels();
    refs::get<app::Form2>(services()).showScreen();
    refs::unload<frmTest>();
}

// The reference of the question row, where it has one worth showing.
void frmTest::showReference(const QString& whenMissing) {
    ui.lblRef->setText(hasReference(questionRef_) ? QString::fromStdString(*questionRef_)
                                                        : whenMissing);
}

} // namespace lexitor::quiz
