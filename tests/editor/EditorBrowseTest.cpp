// The editor's opening, Find, Next and Previous, driven through its real
// buttons and keys on temporary level files.
#include "EditorTestSupport.h"
#include "support/WordRuleCases.h"

using namespace lexitor;
using namespace lexitor::testing;
using screens::vbCritical;
using screens::vbInformation;

class EditorBrowseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fx;

    QStringList steps(frmEdit* editor, const char* button, int count) {
        QStringList words;
        for (int i = 0; i < count; ++i) {
            click(*editor, button);
            words.append(shownWord(*editor));
        }
        return words;
    }

private slots:
    void init() { fx = std::make_unique<EditorFixture>(); }
    void cleanup() {
        const QStringList fatal = fx->messages->fatal;
        releaseScreens();
        fx.reset();
        QVERIFY2(fatal.isEmpty(), qPrintable(fatal.join("; ")));
    }

    void opensOnTwoRowsAndRefusesFewer() {
        fx->files->add(1, {wordRow("one", "1", "x", "y", "z", "ref one"), wordRow("two", "2")});
        frmEdit* editor = fx->open(1);
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(boxes(*editor), (QStringList{"one", "1", "x", "y", "z", "ref one"}));
        QVERIFY(!editor->textBox("txtWord")->isReadOnly());
        QVERIFY(fx->messages->shown.isEmpty());
        releaseScreens();

        for (int rows : {1, 0}) {
            fx.reset(); // its messages and directory go before the next ones come
            fx = std::make_unique<EditorFixture>();
            if (rows == 1)
                fx->files->add(2, {wordRow("lonely", "alone")});
            refs::get<frmChoice>();
            QVERIFY(!fx->open(2));
            QCOMPARE(fx->messages->texts(), QStringList{"Sorry not enough records exist"});
            QCOMPARE(fx->messages->shown[0].title, QString("Database Error"));
            QCOMPARE(fx->messages->shown[0].code, vbCritical);
            QVERIFY(refs::get<Form2>().isVisible());
            QVERIFY(!refs::exists<frmEdit>());
            QVERIFY(!refs::exists<frmChoice>());
            releaseScreens();
        }
    }

    void walksTableOrderWithWrapAround() {
        frmEdit* editor = fx->openFour();
        QCOMPARE(shownWord(*editor), QString("delta"));
        QCOMPARE(steps(editor, "cmdNext", 5),
                 (QStringList{"alpha", "charlie", "bravo", "delta", "alpha"}));
        QCOMPARE(steps(editor, "cmdPrev", 5),
                 (QStringList{"delta", "bravo", "charlie", "alpha", "delta"}));
        QCOMPARE(boxes(*editor), (QStringList{"delta", "d meaning", "d1", "d2", "d3", "see D"}));
    }

    void walksIndexOrderAfterFind() {
        frmEdit* editor = fx->openFour();
        click(*editor, "cmdNext"); // alpha, in table order
        typeInto(editor->textBox("txtWord"), "charlie");
        click(*editor, "cmdFind");
        QCOMPARE(steps(editor, "cmdNext", 3), (QStringList{"delta", "alpha", "bravo"}));
        QCOMPARE(steps(editor, "cmdPrev", 5),
                 (QStringList{"alpha", "delta", "charlie", "bravo", "alpha"}));
        // Access keys drive the same walk.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(shownWord(*editor), QString("bravo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(shownWord(*editor), QString("alpha"));
    }

    void findSeeksFirstWordAtOrAfterTrimmedKey() {
        frmEdit* editor = fx->openFour();
        QLineEdit* word = editor->textBox("txtWord");
        const auto find = [&](const QString& key) {
            typeInto(word, key);
            click(*editor, "cmdFind");
            return shownWord(*editor);
        };
        QCOMPARE(find("charlie"), QString("charlie"));
        QCOMPARE(boxes(*editor), (QStringList{"charlie", "c meaning", "c1", "c2", "c3", "see C"}));
        QCOMPARE(find("b"), QString("bravo"));
        QCOMPARE(find("cz"), QString("delta")); // between words: need not start with the key
        QCOMPARE(find("ab"), QString("alpha"));
        QCOMPARE(find(""), QString("alpha"));
        QCOMPARE(find("   "), QString("alpha"));
        QCOMPARE(find("  CHARLIE  "), QString("charlie"));
        QCOMPARE(find("Bravo"), QString("bravo"));
        QVERIFY(fx->messages->shown.isEmpty());

        // After the last word: the message, and every box as it was.
        QCOMPARE(find("echo"), QString("echo"));
        QCOMPARE(fx->messages->texts(), QStringList{"Record Not Found"});
        QCOMPARE(fx->messages->shown[0].title, QString("Error"));
        QCOMPARE(fx->messages->shown[0].code, vbInformation);
        QCOMPARE(boxes(*editor), (QStringList{"echo", "b meaning", "b1", "b2", "b3", ""}));

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
        editor->textBox("txtWord")->setText(typed);
        click(*editor, "cmdFind");
        QCOMPARE(shownWord(*editor), stored);
    }
    void findTakesEveryFormOfAWordAlike_data() { addWordRuleRows(true); }

    void failedFindLeavesShownRowCurrent() {
        frmEdit* editor = fx->openFour();
        click(*editor, "cmdNext");
        click(*editor, "cmdNext"); // charlie
        typeInto(editor->textBox("txtWord"), "zulu");
        click(*editor, "cmdFind");
        QCOMPARE(fx->messages->texts(), QStringList{"Record Not Found"});
        // The walk goes on from charlie, now in index order.
        click(*editor, "cmdNext");
        QCOMPARE(shownWord(*editor), QString("delta"));
        typeInto(editor->textBox("txtWord"), "zulu");
        click(*editor, "cmdFind");
        click(*editor, "cmdPrev");
        QCOMPARE(shownWord(*editor), QString("charlie"));

        // Update and Delete after a failed Find act on the row shown.
        typeInto(editor->textBox("txtWord"), "zz");
        click(*editor, "cmdFind");
        typeInto(editor->textBox("txtAns"), "changed");
        click(*editor, "cmdUpdate");
        QCOMPARE(fx->files->rows(0)[2].ans, store::FieldValue("changed"));
        QCOMPARE(fx->files->rows(0)[2].word, store::FieldValue("charlie"));
        typeInto(editor->textBox("txtWord"), "zz");
        click(*editor, "cmdFind");
        click(*editor, "cmdDel");
        QCOMPARE(wordsOf(fx->files->rows(0)),
                 (std::vector<std::string>{"delta", "alpha", "bravo"}));
        QCOMPARE(shownWord(*editor), QString("delta"));
    }

    void referenceBoxAlwaysShowsTheRowsOwn() {
        frmEdit* editor = fx->openFour();
        QLineEdit* ref = editor->textBox("txtRef");
        QCOMPARE(ref->text(), QString("see D")); // from the load on
        const QStringList expected{"", "see C", "", "see D"};
        for (const QString& text : expected) {
            click(*editor, "cmdNext");
            QCOMPARE(ref->text(), text);
        }
        typeInto(editor->textBox("txtWord"), "alpha");
        click(*editor, "cmdFind");
        QCOMPARE(ref->text(), QString());
    }

    void nullFieldsShowAsEmptyText() {
        fx->files->add(1, {{"plain", "p", "p1", "p2", "p3", std::nullopt},
                           {},
                           {"holes", std::nullopt, "h1", std::nullopt, std::nullopt, "r"}});
        frmEdit* editor = fx->open(1);
        QVERIFY(editor);
        click(*editor, "cmdNext");
        QCOMPARE(boxes(*editor), (QStringList{"", "", "", "", "", ""}));
        click(*editor, "cmdNext");
        QCOMPARE(boxes(*editor), (QStringList{"holes", "", "h1", "", "", "r"}));
        click(*editor, "cmdPrev");
        click(*editor, "cmdPrev");
        QCOMPARE(shownWord(*editor), QString("plain"));
        // A row without a word is never found, but is walked over.
        typeInto(editor->textBox("txtWord"), "");
        click(*editor, "cmdFind");
        QCOMPARE(shownWord(*editor), QString("holes"));
        click(*editor, "cmdPrev");
        QCOMPARE(boxes(*editor), (QStringList{"", "", "", "", "", ""}));
    }

    void enterPressesOnlyAFocusedButtonAndEscDoesNothing() {
        frmEdit* editor = fx->openFour();
        QLineEdit* word = editor->textBox("txtWord");
        typeInto(word, "charlie");
        QTest::keyClick(word, Qt::Key_Return);
        QTest::keyClick(word, Qt::Key_Escape);
        QCOMPARE(boxes(*editor), (QStringList{"charlie", "d meaning", "d1", "d2", "d3", "see D"}));
        QVERIFY(editor->isVisible());
        QVERIFY(!refs::get<Form2>().isVisible());

        editor->button("cmdFind")->setFocus();
        QTest::keyClick(editor->button("cmdFind"), Qt::Key_Return);
        QCOMPARE(shownWord(*editor), QString("charlie"));
        editor->button("cmdNext")->setFocus();
        QTest::keyClick(editor->button("cmdNext"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(shownWord(*editor), QString("delta"));
        QTest::keyClick(editor->button("cmdNext"), Qt::Key_Escape);
        QCOMPARE(shownWord(*editor), QString("delta"));
        QVERIFY(editor->isVisible());
        QVERIFY(fx->messages->shown.isEmpty());
    }
};

QTEST_MAIN(EditorBrowseTest)
#include "EditorBrowseTest.moc"
