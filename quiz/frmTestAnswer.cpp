// The quiz screen: answering, showing the next question, and the rows
// questions are drawn from.
#include "quiz/frmTest.h"

#include "quiz/RnGen.h"
#include "screens/Messages.h"

namespace lexitor::quiz {

using namespace screens;

void frmTest::optSel_Click(int Index) {
    const bool right = isRightAnswer(Index);
    // (A quiz that has ended has no files open, and nothing to keep.)
    if (levelDb[q.currentLevel])
        recorder_.record(*levelDb[q.currentLevel], store::kLevels[q.currentLevel], questionWord_,
                         right, store::AnswerPlace::Quiz);
    ++q.blockPos;
    ui.lblinfo->setText(QString::number(q.currentLevel));
    ui.lblRefCap->setText(QStringLiteral("ref: "));
    if (right) {
        q.score = AddLevelPoints(q.currentLevel, q.score);
        q.blockMarks[q.blockPos] = 1;
        ui.lblStatIncorrect->hide();
        ui.lblStatCorrect->announce();
        ui.optSel[Index]->setChecked(false);
    } else {
        q.blockMarks[q.blockPos] = 0;
        ui.lblStatIncorrect->announce();
        ui.lblStatCorrect->hide();
        ui.lblCans->setText(QString::fromStdString(questionAns_));
        // Never leave an earlier question's reference beside this answer.
        showReference(QString());
        ui.optSel[Index]->setChecked(false);
    }
    q.maxScore = AddLevelPoints(q.currentLevel, q.maxScore);
    if (q.blockPos == 3) {
        q.blockPos = 0;
        q.currentLevel = levelAfterBlock(q.currentLevel, q.blockMarks);
    }
    ask(drawer().nextQuestion());
}

// Right when the answer's own option was picked, or another option showing
// the very same text (a level too small to offer a different substitute).
// Nothing is right while helping.
bool frmTest::isRightAnswer(int Index) const {
    if (q.answerSlot == 0)
        return false;
    return q.answerSlot == Index + 1 ||
           ui.optSel[Index]->caption() == ui.optSel[q.answerSlot - 1]->caption();
}

void frmTest::ask(std::optional<qint16> question) {
    if (!question) {
        MsgBox(QStringLiteral("All records used up2!!"));
        cmdSubmit_Click();
        return;
    }
    // The drawer has just found this row there, with a word and an answer.
    showQuestion(rowAt(q.currentLevel, *question).value());
}

std::optional<store::WordRecord> frmTest::rowAt(qint16 level, qint16 offset) {
    store::Recordset& rs = *levelRs[level];
    if (rs.RecordCount() == 0)
        return std::nullopt;
    rs.MoveFirst();
    rs.Move(offset);
    if (rs.Eof())
        return std::nullopt;
    return store::currentRecord(rs);
}

bool frmTest::usable(qint16 level, qint16 offset) {
    const auto row = rowAt(level, offset);
    return row && row->word && row->ans;
}

std::optional<std::string> frmTest::answer(qint16 level, qint16 offset) {
    const auto row = rowAt(level, offset);
    return row ? row->ans : std::nullopt;
}

void frmTest::showQuestion(const store::WordRecord& row) {
    QLineEdit* word = ui.txtWord;
    word->setReadOnly(false);
    word->setText(QString::fromStdString(row.word.value_or("")));
    word->setReadOnly(true);
    questionWord_ = row.word.value_or("");
    questionRef_ = row.ref;
    questionAns_ = row.ans.value_or("");
    const auto captions = drawer().options({row.ans, row.c1, row.c2, row.c3});
    for (int index = 0; index < kOptionCount; ++index)
        ui.optSel[index]->setCaption(QString::fromStdString(captions[index]));
}

} // namespace lexitor::quiz
