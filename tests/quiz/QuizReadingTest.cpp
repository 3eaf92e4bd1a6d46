// Meanings of any length through the real quiz screen: every text whole or
// cut with its whole text at hand, no shown control covering another, and a
// mouse click on Done landing on Done.
#include "QuizFixture.h"

using namespace lexitor;
using namespace lexitor::testing;

namespace {

// Meanings of 78 to 80 characters from the default vocabulary.
const QStringList kMeanings = {
    "become less clearly visible or distinguishable; disappear gradually or seemingly",
    "come or be in close contact with; stick or hold together and resist separation",
    "the part of the skull of a vertebrate that frames the mouth and holds the teeth",
    "a muzzle-loading shoulder gun with a long barrel; formerly used by infantrymen",
    "a method of representing the sounds of a language by written or printed symbols"};

// A meaning of `length` characters made of real ones, different for k = 0..4.
std::string meaning(int k, int length) {
    QString text;
    for (int i = k; text.size() < length; ++i)
        text += kMeanings[i % kMeanings.size()] + ' ';
    return text.left(length).toStdString();
}

void fillWithMeanings(WordFiles& files, int length) {
    for (int level = 0; level < store::kLevelCount; ++level) {
        std::vector<store::WordRecord> rows;
        for (int o = 0; o < 6; ++o)
            rows.push_back({text("w", level, o), meaning(o, length), meaning(o + 1, length),
                            meaning(o + 2, length), meaning(o + 3, length),
                            meaning(o + 4, length)});
        files.add(level, rows);
    }
}

// Whole at 8 pt or more, or (where allowed) cut with the whole text in the
// tooltip and the accessible description. Empty when so.
template <typename Control>
QString unreadable(const Control* control, const QString& whole, bool mustBeWhole) {
    if (control->font().pointSizeF() < 8)
        return control->objectName() + " below 8 pt";
    if (!control->shownText().cut)
        return {};
    if (mustBeWhole)
        return control->objectName() + " cut";
    if (control->toolTip() != whole || control->accessibleDescription() != whole)
        return control->objectName() + " cut, whole text missing";
    return {};
}

QStringList unreadable(const frmTest* quiz, bool optionsWhole, bool answerWhole) {
    QStringList found;
    for (int index = 0; index < 4; ++index)
        found.append(unreadable(quiz->ui.optSel[index], quiz->ui.optSel[index]->caption(), optionsWhole));
    found.append(unreadable(quiz->ui.lblCans, labelText(quiz, "lblCans"), answerWhole));
    found.append(unreadable(quiz->ui.lblRef, labelText(quiz, "lblRef"), false));
    found.removeAll(QString());
    return found;
}

// What a real click at the centre of `control` reaches.
QWidget* hitAt(const frmTest* quiz, const QWidget* control) {
    return quiz->childAt(control->geometry().center());
}

} // namespace

class QuizReadingTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { releaseScreens(); }

    // Up to 80 characters (every meaning of the default vocabulary) the
    // options show whole, and so does the answer after a wrong one; above
    // Done, while helping, the answer has three lines.
    void longMeanings() {
        QFETCH(int, length);
        WordFiles files;
        fillWithMeanings(files, length);
        ScriptedMessages messages;
        ScriptedDraws draws;
        frmTest* quiz = startQuiz(messages.services(&draws));
        QVERIFY(quiz && QTest::qWaitForWindowExposed(quiz));
        const bool whole = length <= 80;
        const auto check = [&](bool answerWhole) {
            QCOMPARE(overlaps(quiz), QStringList());
            QCOMPARE(unreadable(quiz, whole, answerWhole), QStringList());
        };
        check(true);
        click(quiz, wrongOption(quiz));
        check(whole);
        QTest::mouseClick(quiz->ui.cmdHelp, Qt::LeftButton);
        check(length <= 10);
        if (length >= 80)
            QCOMPARE(quiz->ui.lblCans->shownText().lines.size(), 3);

        QPushButton* done = quiz->ui.cmdDone;
        QCOMPARE(hitAt(quiz, done), done);
        QTest::mouseClick(hitAt(quiz, done), Qt::LeftButton);
        QVERIFY(!done->isVisible());
        QVERIFY(quiz->ui.lblStatIncorrect->isVisible());
        check(whole);
        QPushButton* submit = quiz->ui.cmdSubmit;
        QCOMPARE(hitAt(quiz, submit), submit);
        QTest::mouseClick(hitAt(quiz, submit), Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList{"Your score is0/4"});
    }
    void longMeanings_data() {
        QTest::addColumn<int>("length");
        for (const int length : {10, 80, 200, 10000})
            QTest::addRow("%d characters", length) << length;
    }
};

QTEST_MAIN(QuizReadingTest)
#include "QuizReadingTest.moc"
