// The quiz screen: answering, drawing the next question and showing it.
#include "quiz/frmTest.h"

#include "quiz/RnGen.h"
#include "screens/Messages.h"

namespace lexitor::quiz {

using namespace screens;

void frmTest::optSel_Click(int Index) {
    ++q.blockPos;
    ui.lblinfo->setText(QString::number(q.currentLevel));
    ui.lblRefCap->setText(QStringLiteral("ref: "));
    if (isRightAnswer(Index)) {
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
    nextQuestion();
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

void frmTest::showFirstQuestion() {
    const qint16 offset = RndInt(1, q.recCount[q.currentLevel] - 1);
    q.usedOffsets.recordFirst(q.currentLevel, offset);
    // A row without a word or an answer counts as asked; the next question
    // is drawn as after an answer.
    if (!rowUsable(q.currentLevel, offset)) {
        nextQuestion();
        return;
    }
    showQuestion();
}

bool frmTest::nextQuestion() {
    std::optional<qint16> offset;
    if (const auto level = skipUsedUp(q.currentLevel, q.levelUsedUp)) {
        q.currentLevel = *level;
        offset = drawOffset();
    }
    if (!offset) {
        MsgBox(QStringLiteral("All records used up2!!"));
        cmdSubmit_Click();
        return false;
    }
    q.usedOffsets.record(q.currentLevel, *offset);
    // Another program may have deleted rows since the offset was drawn.
    if (!rowUsable(q.currentLevel, *offset))
        return nextQuestion();
    showQuestion();
    return true;
}

// An offset not asked yet at the level now current, moving off levels that
// run out of fresh rows; std::nullopt once all three have.
std::optional<qint16> frmTest::drawOffset() {
    int attempts = 0;
    for (;;) {
        const qint16 offset = RndInt(1, q.recCount[q.currentLevel] - 1);
        bool found =
            q.usedOffsets.contains(q.currentLevel, offset) || !rowUsable(q.currentLevel, offset);
        ++attempts;
        if (attempts >= q.recCount[q.currentLevel] - 1) {
            q.levelUsedUp[q.currentLevel] = true;
            const auto level = skipUsedUp(q.currentLevel, q.levelUsedUp);
            if (!level)
                return std::nullopt;
            q.currentLevel = *level;
            // The offset was drawn for the old level: it may name no row
            // here, or a row that cannot be asked.
            if (!found &&
                (offset >= q.recCount[q.currentLevel] || !rowUsable(q.currentLevel, offset)))
                found = true;
        }
        if (!found)
            return offset;
    }
}

bool frmTest::positionOn(qint16 level, qint16 offset) {
    store::Recordset& rs = *levelRs[level];
    if (rs.RecordCount() == 0)
        return false;
    rs.MoveFirst();
    rs.Move(offset);
    return !rs.Eof();
}

bool frmTest::rowUsable(qint16 level, qint16 offset) {
    return positionOn(level, offset) && levelRs[level]->Field("word") &&
           levelRs[level]->Field("ans");
}

void frmTest::showQuestion() {
    store::Recordset& rs = currentRs();
    QLineEdit* word = ui.txtWord;
    word->setReadOnly(false);
    word->setText(QString::fromStdString(rs.Field("word").value_or("")));
    word->setReadOnly(true);
    q.answerSlot = RndInt(1, kOptionCount);
    const auto onOption = placement(q.answerSlot);
    // The whole row first: drawing substitutes moves off it.
    std::array<store::FieldValue, kOptionCount> stored;
    for (const Choice choice : {Choice::Ans, Choice::C1, Choice::C2, Choice::C3})
        stored[static_cast<std::size_t>(choice)] = rs.Field(fieldName(choice));
    questionRef_ = rs.Field("ref");
    const std::string answer = stored[0].value_or("");
    questionAns_ = answer;
    for (const Choice choice : {Choice::Ans, Choice::C1, Choice::C2, Choice::C3}) {
        std::string caption = answer;
        if (choice != Choice::Ans) {
            const auto& field = stored[static_cast<std::size_t>(choice)];
            caption = needsSubstitute(field) ? substituteChoice(answer) : *field;
        }
        for (int index = 0; index < kOptionCount; ++index) {
            if (onOption[index] == choice)
                ui.optSel[index]->setCaption(QString::fromStdString(caption));
        }
    }
}

// The answer of another row of the level. A row that would show the right
// answer a second time (the question row itself, or a row with the same
// answer) or has no answer is drawn again; after a few unlucky draws the
// rows after the last one are tried in turn. Only where no row of the
// level serves does the right answer stand twice.
std::string frmTest::substituteChoice(const std::string& rightAnswer) {
    store::Recordset& rs = currentRs();
    const qint16 last = static_cast<qint16>(q.recCount[q.currentLevel] - 1);
    const auto serves = [&](qint16 offset) -> std::optional<std::string> {
        if (!positionOn(q.currentLevel, offset))
            return std::nullopt;
        auto ans = rs.Field("ans");
        if (!ans || *ans == rightAnswer)
            return std::nullopt;
        return ans;
    };
    constexpr int kDraws = 3;
    std::optional<std::string> chosen;
    qint16 offset = 1;
    for (int draw = 0; draw < std::min<int>(kDraws, last) && !chosen; ++draw) {
        offset = RndInt(1, last);
        chosen = serves(offset);
    }
    for (int step = 1; step < last && !chosen; ++step)
        chosen = serves(static_cast<qint16>((offset - 1 + step) % last + 1));
    return chosen.value_or(rightAnswer);
}

} // namespace lexitor::quiz
