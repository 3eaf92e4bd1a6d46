#pragma once
// What the quiz screen tests share: scripted draws, word rows named after
// their level and offset, and starting a quiz from the main menu.

#include "ScriptedDraws.h"
#include "app/Form2.h"
#include "quiz/frmTest.h"
#include "screens/ScreenRefs.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"

#include <QApplication>
#include <QTest>

namespace lexitor::testing {

using namespace quiz;

inline std::string text(const char* what, int level, int offset) {
    return std::string(what) + std::to_string(level) + "_" + std::to_string(offset);
}

// Row `offset` of a level: word "w<level>_<offset>", answer "a..." and
// three wrong choices long enough to stand.
inline store::WordRecord levelRow(int level, int offset) {
    return {text("w", level, offset),   text("a", level, offset),   text("c1 ", level, offset),
            text("c2 ", level, offset), text("c3 ", level, offset), std::nullopt};
}

inline std::vector<store::WordRecord> levelRows(int level, int count) {
    std::vector<store::WordRecord> rows;
    for (int offset = 0; offset < count; ++offset)
        rows.push_back(levelRow(level, offset));
    return rows;
}

inline void fillAll(WordFiles& files, int rowsPerLevel) {
    for (int level = 0; level < store::kLevelCount; ++level)
        files.add(level, levelRows(level, rowsPerLevel));
}

// Starts a quiz as the user does: the main menu's quiz button. nullptr
// where no quiz screen stays.
inline frmTest* startQuiz(const screens::Services& services) {
    QTest::mouseClick(showMenu(services).ui.cmdtest, Qt::LeftButton);
    deleteUnloaded();
    frmTest* quiz = refs::peek<frmTest>();
    if (quiz && quiz->isVisible())
        QApplication::setActiveWindow(quiz);
    return quiz;
}

inline void click(frmTest* quiz, int index) {
    QTest::mouseClick(quiz->ui.optSel[index], Qt::LeftButton);
}
inline int rightOption(const frmTest* quiz) {
    return quiz->state().answerSlot - 1;
}
inline int wrongOption(const frmTest* quiz) {
    return quiz->state().answerSlot % 4;
}
inline QString word(const frmTest* quiz) {
    return quiz->ui.txtWord->text();
}
inline QString labelText(const frmTest* quiz, const char* name) {
    return quiz->findChild<screens::Label*>(name)->text();
}

} // namespace lexitor::testing
