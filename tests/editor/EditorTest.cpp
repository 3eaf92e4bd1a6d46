// The database editor driven through its real buttons and keys on temporary
// level files: opening, Find, Next and Previous, Update, Delete and Exit,
// down to an empty table.
#include "app/frmChoice.h"
#include "editor/frmEdit.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"
#include "support/WordRuleCases.h"

#include <QtTest>

#include <memory>

using namespace lexitor;
using namespace lexitor::editor;
using namespace lexitor::testing;
using store::FieldValue;
using store::WordRecord;
using Words = std::vector<std::string>;

namespace {

// The six boxes: word, answer, three wrong meanings, reference.
QStringList boxes(const frmEdit& editor) {
    QStringList texts;
    const auto& ui = editor.ui;
    for (const QLineEdit* box : {ui.txtWord, ui.txtAns, ui.txtC1, ui.txtC2, ui.txtC3, ui.txtRef})
        texts.append(box->text());
    return texts;
}

QString shownWord(const frmEdit& editor) {
    return editor.ui.txtWord->text();
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types `key` into the word box and clicks Find.
void find(frmEdit* editor, const QString& key) {
    typeInto(editor->ui.txtWord, key);
    click(editor->ui.cmdFind);
}

// Four rows whose table order differs from their index order on purpose.
std::vector<store::WordRecord> fourWords() {
    return {wordRow("delta", "d meaning", "d1", "d2", "d3", "see D"),
            wordRow("alpha", "a meaning", "a1", "a2", "a3"),
            wordRow("charlie", "c meaning", "c1", "c2", "c3", "see C"),
            wordRow("bravo", "b meaning", "b1", "b2", "b3")};
}

// Fresh word files and message script per test; the editor opened as the
// level chooser opens it.
class EditorFixture {
public:
    std::unique_ptr<WordFiles> files = std::make_unique<WordFiles>();
    std::unique_ptr<ScriptedMessages> messages = std::make_unique<ScriptedMessages>();
    screens::Services services = messages->services();

    // Shows the editor for `level`; nullptr when it refused to open.
    frmEdit* open(int level) {
        refs::get<Form2>(services).n = static_cast<qint16>(level + 1);
        refs::get<frmEdit>(services).showScreen();
        frmEdit* editor = refs::peek<frmEdit>();
        if (editor && !editor->isUnloaded())
            QApplication::setActiveWindow(editor);
        return editor && !editor->isUnloaded() ? editor : nullptr;
    }
    // The editor on level 0 holding fourWords().
    frmEdit* openFour() {
        files->add(0, fourWords());
        return open(0);
    }
};

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fx;

    // The words shown by `count` clicks, each with its row's own reference.
    QStringList steps(frmEdit* editor, QAbstractButton* button, int count) {
        QStringList words;
        for (int i = 0; i < count; ++i) {
            click(button);
            const QString ref = editor->ui.txtRef->text();
            words.append(shownWord(*editor) + (ref.isEmpty() ? "" : " (" + ref + ")"));
        }
        return words;
    }
    // Types the four meanings and the reference of the row shown.
    static void typeMeanings(frmEdit* editor, const QStringList& texts) {
        const auto& ui = editor->ui;
        QLineEdit* const boxes[] = {ui.txtAns, ui.txtC1, ui.txtC2, ui.txtC3, ui.txtRef};
        for (int i = 0; i < texts.size(); ++i)
            typeInto(boxes[i], texts[i]);
    }

private slots:
    void init() { fx = std::make_unique<EditorFixture>(); }
    void cleanup() {
        const QStringList fatal = fx->messages->fatal;
        releaseScreens();
        fx.reset();
        QVERIFY2(fatal.isEmpty(), qPrintable(fatal.join("; ")));
    }

    void walksTableOrderWithWrapAroundThenIndexOrderAfterFind() {
        frmEdit* editor = fx->openFour();
        QCOMPARE(shownWord(*editor), QString("delta"));
        QCOMPARE(steps(editor, editor->ui.cmdNext, 5),
                 (QStringList{"alpha", "charlie (see C)", "bravo", "delta (see D)", "alpha"}));
        QCOMPARE(
            steps(editor, editor->ui.cmdPrev, 5),
            (QStringList{"delta (see D)", "bravo", "charlie (see C)", "alpha", "delta (see D)"}));
        QCOMPARE(boxes(*editor), (QStringList{"delta", "d meaning", "d1", "d2", "d3", "see D"}));

        // After a Find, the walk is in index order.
        click(editor->ui.cmdNext); // alpha, in table order
        find(editor, "charlie");
        QCOMPARE(steps(editor, editor->ui.cmdNext, 3),
                 (QStringList{"delta (see D)", "alpha", "bravo"}));
        QCOMPARE(steps(editor, editor->ui.cmdPrev, 5),
                 (QStringList{"alpha", "delta (see D)", "charlie (see C)", "bravo", "alpha"}));
        // Access keys drive the same walk.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(shownWord(*editor), QString("bravo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(shownWord(*editor), QString("alpha"));
    }

    void findSeeksFirstWordAtOrAfterTrimmedKey() {
        frmEdit* editor = fx->openFour();
        QLineEdit* word = editor->ui.txtWord;
        const auto findShown = [&](const QString& key) {
            find(editor, key);
            return shownWord(*editor);
        };
        QCOMPARE(findShown("charlie"), QString("charlie"));
        QCOMPARE(boxes(*editor), (QStringList{"charlie", "c meaning", "c1", "c2", "c3", "see C"}));
        QCOMPARE(findShown("b"), QString("bravo"));
        QCOMPARE(findShown("cz"), QString("delta")); // between words: need not start with the key
        QCOMPARE(findShown("ab"), QString("alpha"));
        QCOMPARE(findShown(""), QString("alpha"));
        QCOMPARE(findShown("  CHARLIE  "), QString("charlie"));
        QVERIFY(fx->messages->shown.isEmpty());

        // After the last word: the message, and every box as it was.
        QCOMPARE(findShown("echo"), QString("echo"));
        QCOMPARE(fx->messages->shown, (QList<Message>{{"Record Not Found", "Error", vbInformation}}));
        QCOMPARE(boxes(*editor), (QStringList{"echo", "c meaning", "c1", "c2", "c3", "see C"}));

        // Alt+F finds from the keyboard.
        typeInto(word, "delta");
        QTest::keyClick(word, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(shownWord(*editor), QString("delta"));
    }

    // Find seeks by the rule the duplicate test follows.
    void findTakesEveryFormOfAWordAlike() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        fx->files->add(0, fourWords());
        fx->files->add(0, {wordRow(stored.toUtf8().constData(), "a meaning")});
        frmEdit* editor = fx->open(0);
        editor->ui.txtWord->setText(typed);
        click(editor->ui.cmdFind);
        QCOMPARE(shownWord(*editor), stored);
    }
    void findTakesEveryFormOfAWordAlike_data() { addWordRuleRows(true); }

    void failedFindLeavesShownRowCurrentAndDeleteFollowsIndexOrder() {
        frmEdit* editor = fx->openFour();
        click(editor->ui.cmdNext);
        click(editor->ui.cmdNext); // charlie
        find(editor, "zulu");
        QCOMPARE(fx->messages->texts(), QStringList{"Record Not Found"});
        // The walk goes on from charlie, now in index order.
        click(editor->ui.cmdNext);
        QCOMPARE(shownWord(*editor), QString("delta"));
        find(editor, "zulu");
        click(editor->ui.cmdPrev);
        QCOMPARE(shownWord(*editor), QString("charlie"));

        // Update and Delete after a failed Find act on the row shown.
        find(editor, "zz");
        typeInto(editor->ui.txtAns, "changed");
        click(editor->ui.cmdUpdate);
        QCOMPARE(fx->files->rows(0)[2].ans, store::FieldValue("changed"));
        QCOMPARE(fx->files->rows(0)[2].word, store::FieldValue("charlie"));
        find(editor, "zz");
        click(editor->ui.cmdDel);
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"delta", "alpha", "bravo"}));
        QCOMPARE(shownWord(*editor), QString("delta")); // the next in index order
        // The last in index order: the first is shown.
        click(editor->ui.cmdDel);
        QCOMPARE(shownWord(*editor), QString("alpha"));
        click(editor->ui.cmdPrev);
        QCOMPARE(shownWord(*editor), QString("bravo"));
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"alpha", "bravo"}));
    }

    void nullFieldsShowAsEmptyText() {
        fx->files->add(1, {{"plain", "p", "p1", "p2", "p3", std::nullopt},
                           {},
                           {"holes", std::nullopt, "h1", std::nullopt, std::nullopt, "r"}});
        frmEdit* editor = fx->open(1);
        QVERIFY(editor);
        click(editor->ui.cmdNext);
        QCOMPARE(boxes(*editor), (QStringList{"", "", "", "", "", ""}));
        click(editor->ui.cmdNext);
        QCOMPARE(boxes(*editor), (QStringList{"holes", "", "h1", "", "", "r"}));
        click(editor->ui.cmdPrev);
        click(editor->ui.cmdPrev);
        QCOMPARE(shownWord(*editor), QString("plain"));
        // A row without a word is never found, but is walked over.
        find(editor, "");
        QCOMPARE(shownWord(*editor), QString("holes"));
        click(editor->ui.cmdPrev);
        QCOMPARE(boxes(*editor), (QStringList{"", "", "", "", "", ""}));
    }

    void enterPressesOnlyAFocusedButtonAndEscDoesNothing() {
        frmEdit* editor = fx->openFour();
        QLineEdit* word = editor->ui.txtWord;
        typeInto(word, "charlie");
        QTest::keyClick(word, Qt::Key_Return);
        QTest::keyClick(word, Qt::Key_Escape);
        QCOMPARE(boxes(*editor), (QStringList{"charlie", "d meaning", "d1", "d2", "d3", "see D"}));
        QVERIFY(editor->isVisible());
        QVERIFY(!refs::get<Form2>(fx->services).isVisible());

        editor->ui.cmdFind->setFocus();
        QTest::keyClick(editor->ui.cmdFind, Qt::Key_Return);
        QCOMPARE(shownWord(*editor), QString("charlie"));
        editor->ui.cmdNext->setFocus();
        QTest::keyClick(editor->ui.cmdNext, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(shownWord(*editor), QString("delta"));
        QTest::keyClick(editor->ui.cmdNext, Qt::Key_Escape);
        QCOMPARE(shownWord(*editor), QString("delta"));
        QVERIFY(editor->isVisible());
        QVERIFY(fx->messages->shown.isEmpty());
    }

    void updateRewritesTrimmedMeaningsOfTheRowShown() {
        frmEdit* editor = fx->openFour();
        // First row: a new word typed into the search box is never written.
        typeInto(editor->ui.txtWord, "alpha");
        typeMeanings(editor, {"  new d ", " x", "", "y  ", "  ref d  "});
        click(editor->ui.cmdUpdate);
        QCOMPARE(fx->files->rows(0)[0], (WordRecord{"delta", "new d", "x", "", "y", "ref d"}));
        QCOMPARE(fx->files->rows(0)[1], fourWords()[1]);
        // The boxes keep what was typed.
        QCOMPARE(boxes(*editor), (QStringList{"alpha", "  new d ", " x", "", "y  ", "  ref d  "}));

        // A middle row without a reference keeps its null.
        click(editor->ui.cmdNext);
        typeMeanings(editor, {"new a"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
        QCOMPARE(fx->files->rows(0)[1], (WordRecord{"alpha", "new a", "a1", "a2", "a3", {}}));

        // The last row, reached by wrapping backwards.
        click(editor->ui.cmdPrev);
        click(editor->ui.cmdPrev);
        QCOMPARE(shownWord(*editor), QString("bravo"));
        typeMeanings(editor, {"b meaning", "b1", "b2", "new b3", " given "});
        click(editor->ui.cmdUpdate);
        QCOMPARE(fx->files->rows(0)[3],
                 (WordRecord{"bravo", "b meaning", "b1", "b2", "new b3", "given"}));
        QCOMPARE(fx->files->rows(0)[2], fourWords()[2]);
        QVERIFY(fx->messages->shown.isEmpty());
    }

    void deleteAsksThenShowsTheRowAfter() {
        frmEdit* editor = fx->openFour();
        // No: nothing changes, not even the row shown.
        fx->messages->answers = {vbNo};
        click(editor->ui.cmdDel);
        QCOMPARE(fx->messages->shown,
                 (QList<Message>{
                     {"Are you sure you want to delete this record?", "Confirm Deletion", vbYesNo}}));
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"delta", "alpha", "charlie", "bravo"}));
        QCOMPARE(shownWord(*editor), QString("delta"));

        // The first row.
        click(editor->ui.cmdDel);
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"alpha", "charlie", "bravo"}));
        QCOMPARE(boxes(*editor), (QStringList{"alpha", "a meaning", "a1", "a2", "a3", ""}));
        // A middle row.
        click(editor->ui.cmdNext);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"alpha", "bravo"}));
        QCOMPARE(shownWord(*editor), QString("bravo"));
        // The last row: the first is shown and stays current.
        click(editor->ui.cmdDel);
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"alpha"}));
        QCOMPARE(shownWord(*editor), QString("alpha"));
        typeMeanings(editor, {"kept"});
        click(editor->ui.cmdUpdate);
        QCOMPARE(fx->files->rows(0)[0].ans, FieldValue("kept"));
    }

    // Opens on the first row, its word editable; deletes down to no row.
    void opensOnTheFirstRowAndDeletesDownToNone() {
        fx->files->add(1, {wordRow("one", "1", "a", "b", "c", "r1"), wordRow("two", "2")});
        frmEdit* editor = fx->open(1);
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(boxes(*editor), (QStringList{"one", "1", "a", "b", "c", "r1"}));
        QVERIFY(!editor->ui.txtWord->isReadOnly());
        click(editor->ui.cmdDel);
        QCOMPARE(boxes(*editor),
                 (QStringList{"two", "2", "first wrong", "second wrong", "third wrong", ""}));
        click(editor->ui.cmdDel);
        QVERIFY(fx->files->rows(1).empty());
        QCOMPARE(boxes(*editor), (QStringList{"", "", "", "", "", ""}));
        const auto& ui = editor->ui;
        for (QPushButton* command : {ui.cmdUpdate, ui.cmdDel, ui.cmdNext, ui.cmdPrev})
            QVERIFY2(!command->isEnabled(), qPrintable(command->objectName()));
        fx->messages->clear();

        // Nothing happens on the row commands, by mouse or by key.
        typeMeanings(editor, {"ghost"});
        for (QPushButton* command : {ui.cmdUpdate, ui.cmdDel, ui.cmdNext, ui.cmdPrev})
            click(command);
        for (Qt::Key key : {Qt::Key_U, Qt::Key_D, Qt::Key_N, Qt::Key_P})
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QVERIFY(fx->messages->shown.isEmpty());
        QVERIFY(fx->files->rows(1).empty());

        // Find and Exit still work.
        find(editor, "one");
        QCOMPARE(fx->messages->texts(), QStringList{"Record Not Found"});
        click(editor->ui.cmdExit);
        QVERIFY(!refs::exists<frmEdit>());

        // The emptied level no longer opens.
        deleteUnloaded();
        QVERIFY(!fx->open(1));
        QCOMPARE(fx->messages->texts().last(), QString("Sorry not enough records exist"));
    }

    void exitReturnsToTheMenuAndLeavesTheChooser() {
        fx->files->add(2, {wordRow("a", "1"), wordRow("b", "2"), wordRow("c", "3")});
        frmChoice* chooser = &refs::get<frmChoice>(fx->services);
        frmEdit* editor = fx->open(2);
        QVERIFY(editor);
        click(editor->ui.cmdDel);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QVERIFY(!editor->isVisible());
        QVERIFY(refs::get<Form2>(fx->services).isVisible() && !refs::exists<frmEdit>());
        QCOMPARE(refs::peek<frmChoice>(), chooser);
        deleteUnloaded();

        // The next visit loads afresh on the two rows left; the title bar's
        // close leaves the same way.
        editor = fx->open(2);
        QVERIFY(editor);
        QCOMPARE(boxes(*editor),
                 (QStringList{"b", "2", "first wrong", "second wrong", "third wrong", ""}));
        editor->close();
        QVERIFY(!refs::exists<frmEdit>());
        QVERIFY(refs::get<Form2>(fx->services).isVisible());
        QCOMPARE(fx->messages->texts(),
                 QStringList{"Are you sure you want to delete this record?"});
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
