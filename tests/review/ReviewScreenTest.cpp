// Review as the learner meets it, with real keys and clicks: the menu's
// count once the menu is up, the way in by Tab and by access key, right,
// wrong and Help Me with what each shows and announces, the summary and
// the way back. And the editor: Update keeps a word's history, Delete
// takes it with the word's last row.
#include "editor/frmEdit.h"
#include "quiz/ScriptedDraws.h"
#include "review/frmReview.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"

#include <QAccessible>
#include <QDir>
#include <QtTest>

using namespace lexitor;
using namespace lexitor::testing;
using review::frmReview;

namespace {

constexpr int kToday = 19844; // 2024-05-01

QDateTime noonOf(int day) {
    return QDateTime(QDate(1970, 1, 1).addDays(day), QTime(12, 0));
}

std::vector<store::WordRecord> rows(int level, int count) {
    std::vector<store::WordRecord> made;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(level) + "_" + std::to_string(i);
        made.push_back({"w" + n, "m" + n, "first " + n, "second " + n, "third " + n, {}});
    }
    return made;
}

// Answers kept on `day` in the files of the working directory.
void answer(int day, int level, const std::string& word, bool right) {
    review::OpenLevels levels;
    review::AnswerRecorder([day] { return noonOf(day); }, [](const QString&) {})
        .record(*levels.db[level], store::kLevels[level], word, right, store::AnswerPlace::Quiz);
}

std::vector<store::Answer> answersTo(int level, const std::string& word) {
    review::OpenLevels levels;
    return store::ReviewLog(*levels.db[level], store::kLevels[level]).answers(word);
}

// Word files this process holds open.
int openWordFiles() {
    int open = 0;
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System))
        open += fd.symLinkTarget().endsWith(".mdb") ? 1 : 0;
    return open;
}

} // namespace

class ReviewScreenTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { releaseScreens(); }

    void reviewByKeysAndClicks() {
        WordFiles files;
        auto level0 = rows(0, 4);
        level0[1].ref = "Book p.2";
        files.add(0, level0);
        files.add(1, rows(1, 3));
        files.add(2, rows(2, 3));
        answer(kToday - 5, 1, "w1_2", true);  // due three days later
        answer(kToday - 5, 0, "w0_3", false); // due the day after
        ScriptedMessages messages;
        ScriptedDraws draws;
        draws.answerSlots = {4, 4, 4, 4}; // the right meaning on the last option
        Services services = messages.services(&draws);
        services.now = [] { return noonOf(kToday); };

        Form2& menu = showMenu(services);
        QCOMPARE(menu.ui.cmdReview->text(), QString("&Review")); // counted once the menu is up
        QTRY_COMPARE(menu.ui.cmdReview->text(), QString("&Review: 10 due today"));
        QCOMPARE(menu.ui.cmdReview->accessibleName(), QString("Review, 10 words due today"));
        QCOMPARE(openWordFiles(), 0);
        menu.ui.cmdExit->setFocus();
        QTest::keyClick(menu.ui.cmdExit, Qt::Key_Tab);
        QCOMPARE(menu.focusWidget(), menu.ui.cmdReview);
        QTest::keyClick(menu.ui.cmdReview, Qt::Key_R, Qt::AltModifier);
        frmReview& review = refs::get<frmReview>(services);
        QVERIFY(review.isVisible() && !menu.isVisible());
        QApplication::setActiveWindow(&review);
        QStringList heard;
        for (screens::Label* label : {review.ui.lblRight, review.ui.lblWrong, review.ui.lblMeaning})
            connect(label, &screens::Label::announced,
                    [&heard, label] { heard.append(label->objectName()); });
        const auto shows = [&](const char* word, const char* progress) {
            QCOMPARE(review.ui.txtWord->text(), QString(word));
            QCOMPARE(review.ui.lblProgress->text(), QString(progress));
            QCOMPARE(review.ui.optSel[3]->caption(), "m" + QString(word).mid(1));
            QCOMPARE(review.ui.optSel[1]->caption(), "first " + QString(word).mid(1));
            QVERIFY(!review.ui.cmdNext->isVisible() && review.ui.optSel[0]->isEnabled());
            heard.clear();
        };
        const auto result = [&](const QStringList& said, const char* meaning, const char* ref) {
            QCOMPARE(heard, said);
            QCOMPARE(review.ui.lblMeaning->text(), QString(meaning));
            QCOMPARE(review.ui.lblRef->text(), QString(ref));
            QVERIFY(review.ui.cmdNext->isVisible() && !review.ui.optSel[3]->isEnabled());
            QCOMPARE(review.focusWidget(), review.ui.cmdNext);
        };

        shows("w0_3", "1 of 10"); // the most overdue first
        QTest::mouseClick(review.ui.optSel[3], Qt::LeftButton);
        result({"lblRight", "lblMeaning"}, "m0_3", "");
        QTest::keyClick(&review, Qt::Key_Return);
        shows("w1_2", "2 of 10");
        QCOMPARE(review.focusWidget(), review.ui.optSel[0]);
        QTest::keyClick(review.ui.optSel[0], Qt::Key_Space);
        result({"lblWrong", "lblMeaning"}, "m1_2", "");
        QTest::keyClick(review.ui.cmdNext, Qt::Key_Enter);
        shows("w0_0", "3 of 10, a new word");
        QTest::keyClick(&review, Qt::Key_H, Qt::AltModifier);
        result({"lblMeaning"}, "m0_0", "");
        QVERIFY(!review.ui.lblWrong->isVisible() && !review.ui.cmdHelp->isEnabled());
        QTest::mouseClick(review.ui.cmdNext, Qt::LeftButton);
        shows("w0_1", "4 of 10, a new word");
        QTest::mouseClick(review.ui.optSel[3], Qt::LeftButton);
        result({"lblRight", "lblMeaning"}, "m0_1", "Book p.2");

        QTest::keyClick(&review, Qt::Key_Escape);
        QVERIFY(!review.ui.txtWord->isVisible() && !review.ui.optSel[0]->isVisible());
        QCOMPARE(review.ui.lblSummary->text(), QString("Words asked: 4. Right: 2."));
        QCOMPARE(review.ui.lblMissed->text(), QString("Missed: w1_2: m1_2; w0_0: m0_0"));
        QCOMPARE(overlaps(&review), QStringList());
        QVERIFY2(review.ui.lblChart->accessibleDescription().startsWith(
                     "tomorrow 2, in 2 days 0, in 3 days 1"),
                 qPrintable(review.ui.lblChart->accessibleDescription()));
        QCOMPARE(openWordFiles(), 0);
        QTest::keyClick(&review, Qt::Key_Escape);
        deleteUnloaded();
        QVERIFY(menu.isVisible() && !refs::exists<frmReview>());
        QTRY_COMPARE(menu.ui.cmdReview->text(), QString("&Review: 6 due today"));

        const auto kept = [](int level, const std::string& word) {
            QStringList all;
            for (const store::Answer& a : answersTo(level, word))
                all.append(QString("%1%2%3")
                               .arg(a.day - kToday)
                               .arg(a.right ? '+' : '-')
                               .arg(a.place == store::AnswerPlace::Review ? 'R' : 'Q'));
            return all;
        };
        QCOMPARE(kept(0, "w0_3"), (QStringList{"-5-Q", "0+R"}));
        QCOMPARE(kept(1, "w1_2"), (QStringList{"-5+Q", "0-R"}));
        QCOMPARE(kept(0, "w0_0"), QStringList{"0-R"});
        QCOMPARE(kept(0, "w0_1"), QStringList{"0+R"});
        QCOMPARE(kept(0, "w0_2"), QStringList());
        QVERIFY(messages.shown.isEmpty() && messages.fatal.isEmpty());
    }

    // The editor's Update keeps a word's history; Delete removes it with the
    // word's last row, and keeps it while a row of the same word is left.
    void editorKeepsAndDeletesHistory() {
        WordFiles files;
        files.add(1, {wordRow("alpha", "first"), wordRow("beta", "second"),
                      wordRow("Beta ", "second too"), wordRow("gamma", "third")});
        for (const char* word : {"alpha", "beta", "gamma"})
            answer(kToday, 1, word, true);
        ScriptedMessages messages; // Yes to every deletion question
        const Services services = messages.services();
        refs::get<Form2>(services).n = 2;
        auto& editor = showActive<editor::frmEdit>(services);
        typeInto(editor.ui.txtAns, "corrected");
        QTest::mouseClick(editor.ui.cmdUpdate, Qt::LeftButton);
        QCOMPARE(answersTo(1, "alpha").size(), std::size_t(1));
        for (const char* word : {"gamma", "beta"}) {
            typeInto(editor.ui.txtWord, word);
            QTest::mouseClick(editor.ui.cmdFind, Qt::LeftButton);
            QTest::mouseClick(editor.ui.cmdDel, Qt::LeftButton);
        }
        QCOMPARE(answersTo(1, "gamma").size(), std::size_t(0));
        QCOMPARE(answersTo(1, "Beta ").size(), std::size_t(1));
        review::OpenLevels levels;
        store::ReviewLog log(*levels.db[1], store::kLevels[1]);
        QVERIFY(!log.state("gamma") && log.state("alpha"));
        QStringList due;
        log.forEachDue(kToday + 3, [&](const store::ReviewWord& word) {
            due.append(QString::fromStdString(*word.row.word));
            return true;
        });
        QCOMPARE(due, (QStringList{"alpha", "Beta "}));
        QCOMPARE(messages.texts(), QStringList(2, "Are you sure you want to delete this record?"));
    }
};

QTEST_MAIN(ReviewScreenTest)
#include "ReviewScreenTest.moc"
