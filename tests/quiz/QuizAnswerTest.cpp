// Answering: scores and level moves, running out of words, references,
// Help Me and Done, Submit and closing the window.
#include "QuizFixture.h"

using namespace lexitor;
using namespace lexitor::testing;

namespace {

bool anyOptionSelected(const frmTest* quiz) {
    for (int index = 0; index < 4; ++index) {
        if (quiz->ui.optSel[index]->isChecked())
            return true;
    }
    return false;
}

QString levelOfWord(const frmTest* quiz) {
    return word(quiz).mid(1, 1);
}

} // namespace

class QuizAnswerTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        refs::releaseAll();
        deleteUnloaded();
    }

    void scoresAndLevelMoves() {
        WordFiles files;
        fillAll(files, 20);
        ScriptedMessages messages;
        ScriptedDraws draws; // the answer on options 0, 1, 2, 3 in turn
        frmTest* quiz = startQuiz();
        QVERIFY(QTest::qWaitForWindowExposed(quiz));
        const auto& s = quiz->state();
        int answers = 0;
        const auto answer = [&](bool right) {
            const QString rightText = quiz->ui.optSel[rightOption(quiz)]->caption();
            const QString shownBefore = labelText(quiz, "lblCans");
            const int index = right ? rightOption(quiz) : wrongOption(quiz);
            if (++answers % 2 == 0) { // selecting from the keyboard answers as a click does
                quiz->ui.optSel[index]->setFocus();
                QTest::keyClick(quiz->ui.optSel[index], Qt::Key_Space);
            } else {
                click(quiz, index);
            }
            QVERIFY(!anyOptionSelected(quiz));
            QCOMPARE(quiz->ui.lblStatCorrect->isVisible(), right);
            QCOMPARE(quiz->ui.lblStatIncorrect->isVisible(), !right);
            QCOMPARE(labelText(quiz, "lblCans"), right ? shownBefore : rightText);
            QCOMPARE(labelText(quiz, "lblRefCap"), QString("ref: "));
        };
        QCOMPARE(labelText(quiz, "lblinfo"), QString());
        // Blocks of three answers and where each leaves score and level.
        struct Block {
            std::array<bool, store::kLevelCount> answers;
            int score, maxScore;
            qint16 level;
        };
        const Block blocks[] = {
            {{true, true, true}, 6, 6, 2},      {{true, true, true}, 15, 15, 2},
            {{true, false, false}, 18, 24, 1},  {{false, true, true}, 22, 30, 1},
            {{false, false, false}, 22, 36, 0}, {{false, false, false}, 22, 39, 0},
            {{true, true, true}, 25, 42, 1}};
        qint16 level = 1;
        for (const Block& block : blocks) {
            for (bool right : block.answers)
                answer(right);
            // lblinfo names the level the block was answered at.
            QCOMPARE(labelText(quiz, "lblinfo"), QString::number(level));
            level = block.level;
            QCOMPARE(s.score, block.score);
            QCOMPARE(s.maxScore, block.maxScore);
            QCOMPARE(s.currentLevel, level);
            QCOMPARE(levelOfWord(quiz), QString::number(level));
        }
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(messages.fatal.isEmpty());
    }

    // Two rows a level: each level runs out at its first draw; the last
    // answer leads to the end, the score and the menu.
    void runningOutOfWords() {
        WordFiles files;
        fillAll(files, 2);
        ScriptedMessages messages;
        ScriptedDraws draws;
        frmTest* quiz = startQuiz();
        QCOMPARE(word(quiz), QString("w1_1"));
        click(quiz, rightOption(quiz));
        QCOMPARE(word(quiz), QString("w0_1")); // levels 1 and 2 ran out
        QVERIFY(messages.shown.isEmpty());

        bool quizVisibleBehindScore = false;
        messages.onShow = [&](const screens::Message& message) {
            if (message.title == "Score")
                quizVisibleBehindScore = refs::peek<frmTest>()->isVisible();
        };
        click(quiz, rightOption(quiz));
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].text, QString("All records used up2!!"));
        QCOMPARE(messages.shown[0].title, QString("Lexitor"));
        QCOMPARE(messages.shown[0].code, screens::vbOKOnly);
        QCOMPARE(messages.shown[1].text, QString("Your score is3/3"));
        QCOMPARE(messages.shown[1].title, QString("Score"));
        QCOMPARE(messages.shown[1].code, screens::vbInformation);
        QVERIFY(quizVisibleBehindScore);
        QVERIFY(refs::get<Form2>().isVisible());
        QVERIFY(!refs::exists<frmTest>());
        QVERIFY(messages.fatal.isEmpty());
    }

    // lblRef belongs to the answer beside it; a missing or blank reference
    // is never shown, and Help Me says so.
    void referencesBelongToTheirQuestion() {
        WordFiles files;
        for (int level = 0; level < store::kLevelCount; ++level) {
            auto rows = levelRows(level, 10);
            rows[1].ref = "Book p.1";
            rows[3].ref = "   ";
            rows[4].ref = "x";
            files.add(level, rows);
        }
        ScriptedMessages messages;
        ScriptedDraws draws;
        draws.offsets = {1, 2, 3, 4, 5};
        frmTest* quiz = startQuiz();
        click(quiz, wrongOption(quiz));
        QCOMPARE(labelText(quiz, "lblRef"), QString("Book p.1"));
        click(quiz, wrongOption(quiz)); // row 2 has no reference
        QCOMPARE(labelText(quiz, "lblRef"), QString());

        QCOMPARE(word(quiz), QString("w1_3"));
        QTest::mouseClick(quiz->ui.cmdHelp, Qt::LeftButton);
        QCOMPARE(labelText(quiz, "lblRef"), QString("No reference found"));
        QTest::mouseClick(quiz->ui.cmdDone, Qt::LeftButton);
        QCOMPARE(labelText(quiz, "lblRef"), QString());
        QCOMPARE(labelText(quiz, "lblCans"), QString("a1_3"));

        QCOMPARE(word(quiz), QString("w0_4")); // three wrong: down to level 0
        QTest::mouseClick(quiz->ui.cmdHelp, Qt::LeftButton);
        QCOMPARE(labelText(quiz, "lblRef"), QString("x"));
        QTest::mouseClick(quiz->ui.cmdDone, Qt::LeftButton);
        QCOMPARE(labelText(quiz, "lblRef"), QString("x"));
        QCOMPARE(labelText(quiz, "lblCans"), QString("a0_4"));
        // A right answer leaves the last shown answer and its reference.
        click(quiz, rightOption(quiz));
        QCOMPARE(labelText(quiz, "lblCans"), QString("a0_4"));
        QCOMPARE(labelText(quiz, "lblRef"), QString("x"));
    }

    void helpMeThenDone() {
        WordFiles files;
        fillAll(files, 20);
        ScriptedMessages messages;
        ScriptedDraws draws;
        frmTest* quiz = startQuiz();
        for (int i = 0; i < 3; ++i)
            click(quiz, rightOption(quiz));
        click(quiz, wrongOption(quiz));
        QCOMPARE(quiz->state().currentLevel, qint16(2));
        QVERIFY(quiz->ui.lblStatIncorrect->isVisible());
        const QString helped = word(quiz);
        const QString helpedAnswer = quiz->ui.optSel[rightOption(quiz)]->caption();

        const QList<QWidget*> answering = {quiz->ui.optSel[0],         quiz->ui.optSel[1],
                                           quiz->ui.optSel[2],         quiz->ui.optSel[3],
                                           quiz->ui.cmdHelp, quiz->ui.cmdSubmit};
        QTest::mouseClick(quiz->ui.cmdHelp, Qt::LeftButton);
        for (QWidget* widget : answering)
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
        QVERIFY(quiz->ui.cmdDone->isVisible() && quiz->ui.cmdDone->isEnabled());
        QVERIFY(!quiz->ui.lblStatIncorrect->isVisible());
        QVERIFY(!quiz->ui.lblStatCorrect->isVisible());
        QCOMPARE(labelText(quiz, "lblCans"), helpedAnswer);
        QCOMPARE(word(quiz), helped);
        // Only Done reacts now.
        click(quiz, 0);
        QTest::mouseClick(quiz->ui.cmdSubmit, Qt::LeftButton);
        QCOMPARE(quiz->state().maxScore, 9);
        QVERIFY(messages.shown.isEmpty());

        QTest::mouseClick(quiz->ui.cmdDone, Qt::LeftButton);
        QVERIFY(!quiz->ui.cmdDone->isVisible());
        QVERIFY(!quiz->ui.cmdDone->isEnabled());
        for (QWidget* widget : answering)
            QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
        QVERIFY(quiz->ui.lblStatIncorrect->isVisible());
        QCOMPARE(labelText(quiz, "lblCans"), helpedAnswer);
        QCOMPARE(quiz->state().score, 6);
        QCOMPARE(quiz->state().maxScore, 12);
        QCOMPARE(quiz->state().blockMarks[2], qint16(0));
        QVERIFY(word(quiz) != helped);
        QVERIFY(quiz->state().answerSlot >= 1);
    }

    // Closing the window is a Submit: the score, counted past the 16-bit
    // range, then the menu. The next quiz starts from scratch.
    void submitAndClosing() {
        WordFiles files;
        fillAll(files, 400);
        ScriptedMessages messages;
        ScriptedDraws draws;
        frmTest* quiz = startQuiz();
        for (int i = 0; i < 11000; ++i)
            click(quiz, rightOption(quiz));
        quiz->close();
        QCOMPARE(messages.texts(), QStringList{"Your score is32997/32997"});
        QVERIFY(refs::get<Form2>().isVisible());
        QVERIFY(!refs::exists<frmTest>());
        deleteUnloaded();

        quiz = startQuiz();
        QCOMPARE(quiz->state().currentLevel, qint16(1));
        QCOMPARE(labelText(quiz, "lblinfo"), QString());
        QVERIFY(!quiz->ui.lblStatCorrect->isVisible());
        QTest::mouseClick(quiz->ui.cmdSubmit, Qt::LeftButton);
        QCOMPARE(messages.texts().last(), QString("Your score is0/0"));
        QVERIFY(refs::get<Form2>().isVisible());
        QVERIFY(!refs::exists<frmTest>());
        QVERIFY(messages.fatal.isEmpty());
    }
};

QTEST_MAIN(QuizAnswerTest)
#include "QuizAnswerTest.moc"
