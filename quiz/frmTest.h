#pragma once
// The adaptive quiz screen.

#include "quiz/Drawer.h"
#include "quiz/QuizState.h"
#include "review/AnswerRecorder.h"
#include "screens/Screen.h"
#include "screens/tables/frmTestTable.h"
#include "store/Recordset.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace lexitor::quiz {

class frmTest : public screens::ScreenWith<screens::frmTestControls>, private RowSource {
    Q_OBJECT
public:
    explicit frmTest(const screens::Services& services);
    ~frmTest() override;

    void optSel_Click(int Index);
    void cmdHelp_Click();
    void cmdDone_Click();
    void cmdSubmit_Click();

    // The quiz as it stands (tests and diagnostics).
    const quiz::QuizState& state() const { return q; }

protected:
    void Form_Load() override;
    void closeRequested() override { cmdSubmit_Click(); }

private:
    void failStart(const QString& text);
    void closeLevels();
    Drawer drawer() { return Drawer(q, *this, *services().quizDraws); }
    // Shows the question at the offset drawn in the current level, or ends
    // the quiz where none was drawn.
    void ask(std::optional<qint16> question);
    void showQuestion(const store::WordRecord& row);
    // The row `offset` steps after the level's first, read whole;
    // std::nullopt where the level holds no row there any more (another
    // program deleted rows while the quiz runs). Where a table stands after
    // it is nobody's concern: every read says which row it wants.
    std::optional<store::WordRecord> rowAt(qint16 level, qint16 offset);
    // The rows to draw from: the level tables.
    bool usable(qint16 level, qint16 offset) override;
    std::optional<std::string> answer(qint16 level, qint16 offset) override;
    bool isRightAnswer(int Index) const;
    void showReference(const QString& whenMissing);

    quiz::QuizState q;
    // The question's answer and reference as shown: another program may
    // change or delete its row before the answer comes.
    std::string questionWord_;
    std::string questionAns_;
    store::FieldValue questionRef_;
    std::array<std::unique_ptr<store::Database>, store::kLevelCount> levelDb;
    std::array<std::unique_ptr<store::Recordset>, store::kLevelCount> levelRs;
    // Every answer is also kept for the word, in its level file.
    review::AnswerRecorder recorder_;
};

} // namespace lexitor::quiz
