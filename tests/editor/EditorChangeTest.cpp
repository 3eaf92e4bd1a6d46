// The editor's Update, Delete and Exit, down to an empty table.
#include "EditorTestSupport.h"

using namespace lexitor;
using namespace lexitor::testing;
using screens::vbNo;
using screens::vbYesNo;
using store::FieldValue;
using store::WordRecord;

namespace {
using Words = std::vector<std::string>;
} // namespace

class EditorChangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fx;

    // Types the four meanings and the reference of the row shown.
    static void typeMeanings(frmEdit* editor, const QStringList& texts) {
        const char* names[] = {"txtAns", "txtC1", "txtC2", "txtC3", "txtRef"};
        for (int i = 0; i < texts.size(); ++i)
            typeInto(editor->textBox(names[i]), texts[i]);
    }

private slots:
    void init() { fx = std::make_unique<EditorFixture>(); }
    void cleanup() {
        const QStringList fatal = fx->messages->fatal;
        releaseScreens();
        fx.reset();
        QVERIFY2(fatal.isEmpty(), qPrintable(fatal.join("; ")));
    }

    void updateRewritesTrimmedMeaningsOfTheRowShown() {
        frmEdit* editor = fx->openFour();
        // First row: a new word typed into the search box is never written.
        typeInto(editor->textBox("txtWord"), "alpha");
        typeMeanings(editor, {"  new d ", " x", "", "y  ", "  ref d  "});
        click(*editor, "cmdUpdate");
        QCOMPARE(fx->files->rows(0)[0], (WordRecord{"delta", "new d", "x", "", "y", "ref d"}));
        QCOMPARE(fx->files->rows(0)[1], fourWords()[1]);
        // The boxes keep what was typed.
        QCOMPARE(boxes(*editor), (QStringList{"alpha", "  new d ", " x", "", "y  ", "  ref d  "}));

        // A middle row without a reference keeps its null.
        click(*editor, "cmdNext");
        typeMeanings(editor, {"new a"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
        QCOMPARE(fx->files->rows(0)[1], (WordRecord{"alpha", "new a", "a1", "a2", "a3", {}}));

        // The last row, reached by wrapping backwards.
        click(*editor, "cmdPrev");
        click(*editor, "cmdPrev");
        QCOMPARE(shownWord(*editor), QString("bravo"));
        typeMeanings(editor, {"b meaning", "b1", "b2", "new b3", " given "});
        click(*editor, "cmdUpdate");
        QCOMPARE(fx->files->rows(0)[3],
                 (WordRecord{"bravo", "b meaning", "b1", "b2", "new b3", "given"}));
        QCOMPARE(fx->files->rows(0)[2], fourWords()[2]);
        QVERIFY(fx->messages->shown.isEmpty());
    }

    void deleteAsksThenShowsTheRowAfter() {
        frmEdit* editor = fx->openFour();
        // No: nothing changes, not even the row shown.
        fx->messages->answers = {vbNo};
        click(*editor, "cmdDel");
        QCOMPARE(fx->messages->texts(),
                 QStringList{"Are you sure you want to delete this record?"});
        QCOMPARE(fx->messages->shown[0].title, QString("Confirm Deletion"));
        QCOMPARE(fx->messages->shown[0].code, vbYesNo);
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"delta", "alpha", "charlie", "bravo"}));
        QCOMPARE(shownWord(*editor), QString("delta"));

        // The first row.
        click(*editor, "cmdDel");
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"alpha", "charlie", "bravo"}));
        QCOMPARE(boxes(*editor), (QStringList{"alpha", "a meaning", "a1", "a2", "a3", ""}));
        // A middle row.
        click(*editor, "cmdNext");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"alpha", "bravo"}));
        QCOMPARE(shownWord(*editor), QString("bravo"));
        // The last row: the first is shown and stays current.
        click(*editor, "cmdDel");
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"alpha"}));
        QCOMPARE(shownWord(*editor), QString("alpha"));
        typeMeanings(editor, {"kept"});
        click(*editor, "cmdUpdate");
        QCOMPARE(fx->files->rows(0)[0].ans, FieldValue("kept"));
    }

    void deleteFollowsIndexOrderAfterFind() {
        frmEdit* editor = fx->openFour();
        typeInto(editor->textBox("txtWord"), "delta");
        click(*editor, "cmdFind");
        click(*editor, "cmdDel"); // last in index order
        QCOMPARE(shownWord(*editor), QString("alpha"));
        click(*editor, "cmdNext");
        click(*editor, "cmdDel"); // bravo, a middle row
        QCOMPARE(shownWord(*editor), QString("charlie"));
        click(*editor, "cmdPrev");
        QCOMPARE(shownWord(*editor), QString("alpha"));
        QCOMPARE(wordsOf(fx->files->rows(0)), (Words{"alpha", "charlie"}));
    }

    void twoRowsDownToNone() {
        fx->files->add(1, {wordRow("one", "1", "a", "b", "c", "r1"), wordRow("two", "2")});
        frmEdit* editor = fx->open(1);
        QVERIFY(editor);
        click(*editor, "cmdDel");
        QCOMPARE(boxes(*editor),
                 (QStringList{"two", "2", "first wrong", "second wrong", "third wrong", ""}));
        click(*editor, "cmdDel");
        QVERIFY(fx->files->rows(1).empty());
        QCOMPARE(boxes(*editor), (QStringList{"", "", "", "", "", ""}));
        for (const char* name : {"cmdUpdate", "cmdDel", "cmdNext", "cmdPrev"})
            QVERIFY2(!editor->button(name)->isEnabled(), name);
        fx->messages->clear();

        // Nothing happens on the row commands, by mouse or by key.
        typeMeanings(editor, {"ghost"});
        for (const char* name : {"cmdUpdate", "cmdDel", "cmdNext", "cmdPrev"})
            click(*editor, name);
        for (Qt::Key key : {Qt::Key_U, Qt::Key_D, Qt::Key_N, Qt::Key_P})
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QVERIFY(fx->messages->shown.isEmpty());
        QVERIFY(fx->files->rows(1).empty());

        // Find and Exit still work.
        typeInto(editor->textBox("txtWord"), "one");
        click(*editor, "cmdFind");
        QCOMPARE(fx->messages->texts(), QStringList{"Record Not Found"});
        click(*editor, "cmdExit");
        QVERIFY(refs::get<Form2>().isVisible());
        QVERIFY(!refs::exists<frmEdit>());

        // The emptied level no longer opens.
        deleteUnloaded();
        QVERIFY(!fx->open(1));
        QCOMPARE(fx->messages->texts().last(), QString("Sorry not enough records exist"));
    }

    void exitReturnsToTheMenuAndLeavesTheChooser() {
        fx->files->add(2, {wordRow("a", "1"), wordRow("b", "2"), wordRow("c", "3")});
        frmChoice* chooser = &refs::get<frmChoice>();
        frmEdit* editor = fx->open(2);
        QVERIFY(editor);
        click(*editor, "cmdDel");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QVERIFY(!editor->isVisible());
        QVERIFY(refs::get<Form2>().isVisible());
        QVERIFY(!refs::exists<frmEdit>());
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
        QVERIFY(refs::get<Form2>().isVisible());
        QCOMPARE(fx->messages->texts(),
                 QStringList{"Are you sure you want to delete this record?"});
    }
};

QTEST_MAIN(EditorChangeTest)
#include "EditorChangeTest.moc"
