// The quiz start: the first question on the screen, rows the screen cannot
// ask, and tables the quiz refuses.
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

} // namespace

class QuizStartTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        refs::releaseAll();
        deleteUnloaded();
    }

    // The word read-only; the captions in the order of the answer's slot,
    // substitutes taken from rows of the level that have an answer; "&"
    // is text.
    void firstQuestionFromLevelOne() {
        WordFiles files;
        fillAll(files, 10);
        files.add(1, {{"nul", std::nullopt, "long one", "long two", "long three", std::nullopt},
                      {"quiz", "salt & pepper", "  ab ", " abc ", std::nullopt, std::nullopt}});
        ScriptedMessages messages;
        ScriptedDraws draws;
        draws.offsets = {11};
        draws.answerSlots = {3};
        draws.substitutes = {10, 2, 3};
        frmTest* quiz = startQuiz();
        QVERIFY(quiz && quiz->isVisible());
        QVERIFY(!refs::get<Form2>().isVisible());
        QCOMPARE(word(quiz), QString("quiz"));
        QVERIFY(quiz->ui.txtWord->isReadOnly());
        QCOMPARE(captions(quiz), (QStringList{" abc ", "a1_2", "salt & pepper", "a1_3"}));
        QVERIFY(draws.substitutes.empty());
        QCOMPARE(quiz->state().recCount, (std::array<qint16, store::kLevelCount>{10, 12, 10}));
        QCOMPARE(quiz->focusWidget(), quiz->ui.cmdHelp);
        QVERIFY(!quiz->ui.cmdDone->isVisible());
        QVERIFY(!quiz->ui.lblStatCorrect->isVisible());
        QVERIFY(!quiz->ui.lblStatIncorrect->isVisible());
        QVERIFY(messages.shown.isEmpty());
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

    // Rows without a word or an answer are not asked; with no other row the
    // quiz ends as soon as it starts.
    void noAskableRowAtAll() {
        WordFiles files;
        for (int level = 0; level < store::kLevelCount; ++level)
            files.add(level, {levelRow(level, 0),
                              {std::nullopt, "ans", "a", "b", "c", {}},
                              {"word", std::nullopt, "a", "b", "c", {}}});
        ScriptedMessages messages;
        ScriptedDraws draws;
        QVERIFY(startQuiz() == nullptr);
        QCOMPARE(messages.texts(), (QStringList{"All records used up2!!", "Your score is0/0"}));
        QVERIFY(refs::get<Form2>().isVisible());
        QVERIFY(messages.fatal.isEmpty());
    }

    // Tables the quiz refuses: one message, however many tables are short,
    // back at the menu, the quiz screen gone so that a later quiz starts
    // afresh.
    void refusedTables() {
        QFETCH(QList<int>, rows);
        QFETCH(QString, text);
        WordFiles files;
        for (int level = 0; level < store::kLevelCount; ++level)
            files.add(level, levelRows(level, rows[level]));
        ScriptedMessages messages;
        QVERIFY(startQuiz() == nullptr);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY2(messages.shown[0].text.startsWith(text), qPrintable(messages.shown[0].text));
        QCOMPARE(messages.shown[0].title, QString("Testing Failed"));
        QCOMPARE(messages.shown[0].code, screens::vbOKOnly);
        QVERIFY(refs::get<Form2>().isVisible());
        QVERIFY(!refs::exists<frmTest>());
        QVERIFY(messages.fatal.isEmpty());
    }
    void refusedTables_data() {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("text");
        QTest::newRow("levels 0 and 2 short") << QList<int>{1, 5, 0} << "Sorry Not enough records";
        QTest::newRow("level 2 short") << QList<int>{2, 2, 1} << "Sorry Not enough records";
        QTest::newRow("past 16 bits") << QList<int>{3, 3, 32768} << "Sorry Too many records";
    }
};

QTEST_MAIN(QuizStartTest)
#include "QuizStartTest.moc"
