// The quiz start: the first question, its options and substitutes, rows
// that cannot be asked, and tables the quiz refuses.
#include "QuizFixture.h"

using namespace lexitor;
using namespace lexitor::testing;

namespace {

QStringList captions(const frmTest* quiz) {
    QStringList all;
    for (int index = 0; index < 4; ++index)
        all.append(quiz->ui.optSel[index]->caption());
    return all;
}

// The quiz refused to start: one message, back at the menu, the quiz
// screen gone so that a later quiz starts afresh.
void expectRefused(const ScriptedMessages& messages, const QString& text) {
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown[0].text.startsWith(text), qPrintable(messages.shown[0].text));
    QCOMPARE(messages.shown[0].title, QString("Testing Failed"));
    QCOMPARE(messages.shown[0].code, screens::vbOKOnly);
    QVERIFY(refs::get<Form2>().isVisible());
    QVERIFY(!refs::exists<frmTest>());
    QVERIFY(messages.fatal.isEmpty());
}

} // namespace

class QuizStartTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        refs::releaseAll();
        deleteUnloaded();
    }

    void firstQuestionFromLevelOne() {
        WordFiles files;
        fillAll(files, 10);
        ScriptedMessages messages;
        ScriptedDraws draws;
        draws.offsets = {4};
        draws.answerSlots = {3};
        frmTest* quiz = startQuiz();
        QVERIFY(quiz && quiz->isVisible());
        QVERIFY(!refs::get<Form2>().isVisible());
        QCOMPARE(word(quiz), QString("w1_4"));
        QVERIFY(quiz->ui.txtWord->isReadOnly());
        QCOMPARE(captions(quiz), (QStringList{"c2 1_4", "c1 1_4", "a1_4", "c3 1_4"}));
        const auto& s = quiz->state();
        QCOMPARE(s.currentLevel, qint16(1));
        QCOMPARE(s.answerSlot, qint16(3));
        QCOMPARE(s.usedOffsets.usedSlot(), qint16(1));
        QCOMPARE(s.usedOffsets.cell(1, 0), qint16(4));
        QCOMPARE(s.recCount, (std::array<qint16, store::kLevelCount>{10, 10, 10}));
        QCOMPARE(s.score, 0);
        QCOMPARE(s.maxScore, 0);
        QCOMPARE(quiz->focusWidget(), quiz->ui.cmdHelp);
        QVERIFY(!quiz->ui.cmdDone->isVisible());
        QVERIFY(!quiz->ui.lblStatCorrect->isVisible());
        QVERIFY(!quiz->ui.lblStatIncorrect->isVisible());
        QVERIFY(messages.shown.isEmpty());
    }

    // Short, blank and missing wrong choices give way to another row's
    // answer; three letters stay as stored; "&" is text.
    void substituteChoices() {
        WordFiles files;
        fillAll(files, 6);
        files.add(1, {{"quiz", "salt & pepper", "  ab ", " abc ", std::nullopt, std::nullopt}});
        ScriptedMessages messages;
        ScriptedDraws draws;
        draws.offsets = {6, 2, 3};
        draws.answerSlots = {1};
        frmTest* quiz = startQuiz();
        QCOMPARE(word(quiz), QString("quiz"));
        QCOMPARE(captions(quiz), (QStringList{"salt & pepper", "a1_2", " abc ", "a1_3"}));
        QVERIFY(draws.offsets.empty());
    }

    // A substitute that would show the right answer again is drawn anew:
    // the question row itself, a row with the same answer, a row without
    // one. When draws keep missing, the next rows are tried in turn; the
    // table's first row is never used.
    void substituteNeverRepeatsTheAnswer() {
        WordFiles files;
        fillAll(files, 2);
        files.add(1, {{"dup", "same", "x", "y", "z", std::nullopt},
                      {"other", "same", "long one", "long two", "long three", std::nullopt},
                      {"nul", std::nullopt, "long one", "long two", "long three", std::nullopt},
                      {"last", "fresh", "long one", "long two", "long three", std::nullopt}});
        // Offsets 1..5; the question is row 2 ("dup").
        ScriptedMessages messages;
        ScriptedDraws draws;
        // c1: itself, same text, then fresh. c2: three misses (no answer,
        // itself, same text), then the walk on from row 3 passes row 4 and
        // finds row 5. c3: row 1.
        draws.offsets = {2, 2, 3, 5, 4, 2, 3, 1};
        draws.answerSlots = {1};
        frmTest* quiz = startQuiz();
        QCOMPARE(word(quiz), QString("dup"));
        QCOMPARE(captions(quiz), (QStringList{"same", "fresh", "fresh", "a1_1"}));
        QVERIFY(draws.offsets.empty());
    }

    // Two rows a level: no other row can stand in, so the answer shows
    // twice and either copy counts as right.
    void unavoidableDuplicateCountsAsRight() {
        WordFiles files;
        files.add(0, levelRows(0, 2));
        files.add(2, levelRows(2, 2));
        files.add(1, {levelRow(1, 0), {"only", "the one", "no", "long two", "long three", {}}});
        ScriptedMessages messages;
        ScriptedDraws draws;
        draws.answerSlots = {4};
        frmTest* quiz = startQuiz();
        QCOMPARE(captions(quiz), (QStringList{"long three", "the one", "long two", "the one"}));
        click(quiz, 1);
        QCOMPARE(quiz->state().score, 2);
        QCOMPARE(quiz->state().maxScore, 2);
        QVERIFY(quiz->ui.lblStatCorrect->isVisible());
    }

    // Rows without a word or an answer count as asked.
    void rowsWithoutWordOrAnswerAreSkipped() {
        WordFiles files;
        fillAll(files, 2);
        files.add(1, {{std::nullopt, "ans", "long one", "long two", "long three", {}},
                      {"word", std::nullopt, "long one", "long two", "long three", {}},
                      {"good", "fine", "long one", "long two", "long three", {}},
                      {"spare", "extra", "long one", "long two", "long three", {}}});
        ScriptedMessages messages;
        ScriptedDraws draws;
        draws.offsets = {2, 3, 4};
        frmTest* quiz = startQuiz();
        QCOMPARE(word(quiz), QString("good"));
        QCOMPARE(quiz->ui.optSel[0]->caption(), QString("fine"));
        QCOMPARE(quiz->state().usedOffsets.cell(1, 0), qint16(2));
        QCOMPARE(quiz->state().usedOffsets.cell(1, 1), qint16(4));
        for (int index = 0; index < 4; ++index)
            QVERIFY(!quiz->ui.optSel[index]->caption().contains("null"));
        QVERIFY(messages.shown.isEmpty());
    }

    // Nothing askable anywhere: the quiz ends as soon as it starts.
    void noAskableRowAtAll() {
        WordFiles files;
        for (int level = 0; level < store::kLevelCount; ++level)
            files.add(level, {levelRow(level, 0), {std::nullopt, "ans", "a", "b", "c", {}}});
        ScriptedMessages messages;
        ScriptedDraws draws;
        QVERIFY(startQuiz() == nullptr);
        QCOMPARE(messages.texts(), (QStringList{"All records used up2!!", "Your score is0/0"}));
        QVERIFY(refs::get<Form2>().isVisible());
        QVERIFY(messages.fatal.isEmpty());
    }

    // A short table anywhere: one message, back to the menu, and the quiz
    // screen is gone, so a later quiz starts afresh.
    void notEnoughRecords() {
        WordFiles files;
        files.add(0, levelRows(0, 1));
        files.add(1, levelRows(1, 5));
        ScriptedMessages messages;
        QVERIFY(startQuiz() == nullptr);
        expectRefused(messages, "Sorry Not enough records");
        QCOMPARE(messages.texts(), QStringList{"Sorry Not enough records"});

        files.add(0, levelRows(0, 3));
        files.add(2, levelRows(2, 3));
        ScriptedDraws draws;
        frmTest* quiz = startQuiz();
        QVERIFY(quiz && quiz->isVisible());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(word(quiz).left(2), QString("w1"));
    }

    // Row offsets are 16-bit: a table past 32767 rows is refused plainly.
    void tooManyRecords() {
        WordFiles files;
        fillAll(files, 3);
        files.add(2, levelRows(2, 32768));
        ScriptedMessages messages;
        QVERIFY(startQuiz() == nullptr);
        expectRefused(messages, "Sorry Too many records");
    }
};

QTEST_MAIN(QuizStartTest)
#include "QuizStartTest.moc"
