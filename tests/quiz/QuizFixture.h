#pragma once
// What the quiz screen tests share: scripted draws, word rows named after
// their level and offset, and starting a quiz from the main menu.

#include "app/Form2.h"
#include "quiz/RnGen.h"
#include "quiz/frmTest.h"
#include "screens/ScreenRefs.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"

#include <QApplication>
#include <QTest>

#include <deque>

namespace lexitor::testing {

using namespace quiz;

// Answers every draw from queues: `answerSlots` for the answer's option (the
// range 1..4), `offsets` for every other draw, in the order they happen.
// A dry queue gives option 1, and offsets running through the range, so
// that a repeat is followed by a fresh one. Tables of five rows would
// share the range 1..4 with the option draw; the tests avoid them.
class ScriptedDraws {
public:
    ScriptedDraws() {
        quiz::setUniformSource([this](qint16 lower, qint16 upper) {
            const bool slot = lower == 1 && upper == 4;
            int value = 0;
            auto& queue = slot ? answerSlots : offsets;
            if (!queue.empty()) {
                value = queue.front();
                queue.pop_front();
            } else {
                value = slot ? 1 : lower + (next_++ % (upper - lower + 1));
            }
            return (value - lower + 0.5) / (upper - lower + 1);
        });
    }
    ~ScriptedDraws() { quiz::setUniformSource({}); }
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;

    std::deque<int> answerSlots;
    std::deque<int> offsets;

private:
    int next_ = 0;
};

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

// Starts a quiz as the user does: the main menu's quiz button.
inline frmTest* startQuiz() {
    Form2& menu = refs::get<Form2>();
    menu.showScreen();
    QTest::mouseClick(menu.ui.cmdtest, Qt::LeftButton);
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
