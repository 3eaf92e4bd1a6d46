// "Add Records" driven through its widgets: the checks of Add in their
// order, what is left in the boxes, the stored row, the level box's focus
// validation, the keyboard roles and Exit.
#include "entry/Form1.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"
#include "support/WordRuleCases.h"

#include <QApplication>
#include <QTest>

#include <memory>

using namespace lexitor;
using namespace lexitor::entry;
using namespace lexitor::testing;
using store::WordRecord;

namespace {

using Box = QLineEdit* Form1Controls::*;
using C = Form1Controls;
const Box kBoxes[] = {&C::txtWord, &C::txtAns, &C::txtlevel, &C::txtC1,
                      &C::txtC2,   &C::txtC3,  &C::txtRef};

struct Typed {
    QString word, ans, level, c1 = "one wrong", c2 = "two wrong", c3 = "three wrong", ref;
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<WordFiles> files_;
    std::unique_ptr<ScriptedMessages> messages_;
    screens::Services services_;

    Form1& openForm() { return showActive<Form1>(services_); }
    const Form1Controls& ui() { return refs::get<Form1>(services_).ui; }
    void type(const Typed& typed) {
        const QStringList texts = {typed.word, typed.ans, typed.level, typed.c1,
                                   typed.c2,   typed.c3,  typed.ref};
        for (int i = 0; i < texts.size(); ++i)
            (ui().*kBoxes[i])->setText(texts[i]);
    }
    void clickAdd() { QTest::mouseClick(refs::get<Form1>(services_).ui.cmdAdd, Qt::LeftButton); }
    size_t rowCount() {
        return files_->rows(0).size() + files_->rows(1).size() + files_->rows(2).size();
    }

private slots:
    void init() {
        files_ = std::make_unique<WordFiles>();
        files_->add(0, {wordRow("apple", "a fruit"), wordRow("stone", "a rock")});
        files_->add(1, {wordRow("  Zephyr ", "a soft wind")});
        files_->add(2, {wordRow("Quixotic", "unrealistic"), wordRow("ephemeral", "brief")});
        messages_ = std::make_unique<ScriptedMessages>();
        services_ = messages_->services();
    }
    void cleanup() {
        releaseScreens();
        services_ = {};
        messages_.reset();
        files_.reset();
    }

    void emptyAddLeavesPlaceholdersAndDefaultLevel() {
        Form1& form = openForm();
        QCOMPARE(form.focusWidget(), ui().txtWord);
        clickAdd();
        // The refusal itself is checked with the others, in checksInTheirOrder.
        QCOMPARE(messages_->texts(), QStringList{"Invalid Word"});
        for (QLineEdit* box : {ui().txtC1, ui().txtC2, ui().txtC3, ui().txtRef})
            QCOMPARE(box->text(), QString(" "));
        QCOMPARE(ui().txtlevel->text(), QString("1"));
        QCOMPARE(ui().txtWord->text() + ui().txtAns->text(), QString());

        // Boxes holding only blanks count as blank; typed texts stay.
        // clang-format off
        type({.word = "x", .ans = "", .level = "  ", .c1 = "\t", .c2 = "keep", .c3 = "   ", .ref = " see "});
        // clang-format on
        clickAdd();
        QCOMPARE(ui().txtC1->text() + ui().txtC2->text() + ui().txtC3->text(), QString(" keep "));
        QCOMPARE(ui().txtRef->text(), QString(" see "));
        QCOMPARE(ui().txtlevel->text(), QString("1"));
        QCOMPARE(rowCount(), size_t(5));
        QVERIFY(messages_->fatal.isEmpty());
    }

    // Each case: word, answer and level typed, and the one check expected
    // to refuse them, which names its message, icon, title and the box that
    // gets the focus (a duplicate leaves it on Add).
    void checksInTheirOrder() {
        enum Check { Word, Level, Bound, Dup, Answer };
        struct Refusal {
            QString text;
            int code;
            QString title;
            Box focus;
            bool selected;
        };
        const int excl = screens::vbExclamation;
        const Refusal refusals[] = {
            {"Invalid Word", excl, "Error", &C::txtWord, true},
            {"Please check the value of level", 0, "Error", &C::txtlevel, false},
            {"Level is madatory", 0, "Error", &C::txtlevel, false},
            {"The word already exists", 0, "Lexitor", nullptr, false},
            {"Invalid answer for word. Please correct", excl, "Error", &C::txtAns, true}};
        // clang-format off
        const std::tuple<QString, QString, QString, Check> cases[] = {
            // The word is checked first, whatever else is wrong.
            {"a", "", "abc", Word}, {"  b  ", "fine", "1", Word}, {"", "", "9", Word},
            // Then whether the level is a number, before its size; too large
            // for 16 bits is a wrong level, not an overflow.
            {"apple", "", "abc", Level}, {"newword", "ok", "1 1", Level},
            {"apple", "", "100000", Level}, {"newword", "ok", "-40000", Level},
            {"newword", "ok", "1e300", Level},
            // Then the upper bound, after rounding halves to even.
            {"apple", "", "3", Bound}, {"newword", "ok", "10", Bound},
            {"newword", "ok", "2.6", Bound}, {"newword", "ok", "3.5", Bound},
            // Then duplicates in any level, any case, any surrounding blanks;
            // the level box does not matter, and it wins over a bad answer.
            {"apple", "", "2", Dup}, {"  APPLE ", "x", "1", Dup}, {"zephyr", "a wind", "0", Dup},
            {"quixotic", "ok", "-1", Dup}, {"Ephemeral", "ok", "", Dup},
            // Then the answer.
            {"newword", "x", "0", Answer}, {"newword", "   y  ", "0", Answer},
            {"newword", "", "0", Answer},
            // Last, a level that is numeric but not 0, 1 or 2 is refused
            // rather than dropped without a word.
            {"newword", "ok", "-1", Level}, {"newword", "ok", "0.4", Level},
            {"newword", "ok", "1.5", Level}, {"newword", "ok", "-0.5", Level},
            {"newword", "ok", "2.5", Level}};
        // clang-format on
        Form1& form = openForm();
        for (const auto& [word, ans, level, check] : cases) {
            const QByteArray what = (word + "|" + ans + "|" + level).toUtf8();
            const Refusal& r = refusals[check];
            type({.word = word, .ans = ans, .level = level});
            ui().txtC3->setFocus();
            messages_->clear();
            clickAdd();
            QVERIFY2(messages_->texts() == QStringList{r.text}, what);
            QVERIFY2(messages_->shown[0].code == r.code, what);
            QVERIFY2(messages_->shown[0].title == r.title, what);
            QLineEdit* box = r.focus ? form.ui.*r.focus : nullptr;
            QVERIFY2(form.focusWidget() == (box ? static_cast<QWidget*>(box) : form.ui.cmdAdd),
                     what);
            if (box)
                QVERIFY2(box->selectedText() == (r.selected ? box->text() : ""), what);
            QVERIFY2(messages_->fatal.isEmpty(), what);
        }
        QCOMPARE(rowCount(), size_t(5));
    }

    void storesTheRowExactlyAsTyped() {
        Form1& form = openForm();
        // clang-format off
        type({.word = " Kestrel ", .ans = "  a small falcon", .level = " 2 ", .c1 = "a fish", .c2 = "", .c3 = "  ", .ref = ""});
        // clang-format on
        ui().txtAns->setFocus();
        clickAdd();
        QVERIFY(messages_->shown.isEmpty());
        QCOMPARE(files_->rows(2).back(),
                 (WordRecord{" Kestrel ", "  a small falcon", "a fish", " ", " ", " "}));
        QCOMPARE(files_->rows(2).size(), size_t(3));
        // Nothing changes on screen after a store; the mouse put the focus on Add.
        QCOMPARE(ui().txtWord->text(), QString(" Kestrel "));
        QCOMPARE(ui().txtlevel->text(), QString(" 2 "));
        QCOMPARE(form.focusWidget(), form.ui.cmdAdd);

        // Every spelling of the levels 0, 1 and 2 goes to its own table;
        // text outside ASCII and a reference are kept byte for byte.
        const std::pair<QString, int> levels[] = {{"0", 0},  {"+1", 1}, {"1.0", 1}, {"2e0", 2},
                                                  {"-0", 0}, {".0", 0}, {"", 1}};
        int n = 0;
        for (const auto& [levelText, level] : levels) {
            const QString word = QString("Straße-%1 ✓").arg(++n);
            type({.word = word, .ans = "Ökonomie – 経済", .level = levelText, .ref = "p. 12"});
            messages_->clear();
            clickAdd();
            QVERIFY2(messages_->shown.isEmpty(), qPrintable(levelText));
            QCOMPARE(files_->rows(level).back(),
                     (WordRecord{word.toStdString(), "Ökonomie – 経済", "one wrong", "two wrong",
                                 "three wrong", "p. 12"}));
        }
        QCOMPARE(rowCount(), size_t(6 + std::size(levels)));
    }

    void enterAddsAndEscapeExits() {
        Form1& form = openForm();
        type({.word = "lantern", .ans = "a lamp", .level = "0"});
        ui().txtAns->setFocus();
        QTest::keyClick(ui().txtAns, Qt::Key_Return);
        QVERIFY(messages_->shown.isEmpty());
        QCOMPARE(files_->rows(0).back().word, store::FieldValue("lantern"));
        QCOMPARE(form.focusWidget(), ui().txtAns);

        // Enter from a level box holding letters still runs Add, which reports it.
        type({.word = "lantern2", .ans = "a lamp", .level = "zz"});
        ui().txtlevel->setFocus();
        QTest::keyClick(ui().txtlevel, Qt::Key_Enter);
        QCOMPARE(messages_->texts(), QStringList{"Please check the value of level"});

        // Esc moves no focus, so the level box's validation does not hold it;
        // closing the window does what Exit does.
        QCOMPARE(form.focusWidget(), ui().txtlevel);
        QFETCH(QString, levelAtEsc);
        ui().txtlevel->setText(levelAtEsc);
        if (QTest::currentDataTag() == QByteArray("closing the window"))
            form.close();
        else
            QTest::keyClick(ui().txtlevel, Qt::Key_Escape);
        QVERIFY(!refs::exists<Form1>());
        QVERIFY(refs::get<Form2>(services_).isVisible());
        QVERIFY(!form.isVisible());
        deleteUnloaded();
        // A new visit starts afresh and sees what was stored.
        openForm();
        for (Box box : kBoxes)
            QCOMPARE((ui().*box)->text(), QString());
        type({.word = "LANTERN", .ans = "a lamp", .level = "1"});
        messages_->clear();
        clickAdd();
        QCOMPARE(messages_->texts(), QStringList{"The word already exists"});
    }
    void enterAddsAndEscapeExits_data() {
        QTest::addColumn<QString>("levelAtEsc");
        QTest::newRow("empty level box") << "";
        QTest::newRow("letters in the level box") << "x";
        QTest::newRow("a level") << "1";
        QTest::newRow("closing the window") << "x";
    }

    void wordRulesAsTheToolHasThem() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(int, outcome);
        files_->add(2, {wordRow(stored.toUtf8().constData(), "a meaning")});
        openForm();
        type({.word = typed, .ans = "a meaning", .level = "0"});
        clickAdd();
        const QStringList expected[] = {{}, {"Invalid Word"}, {"The word already exists"}};
        QCOMPARE(messages_->texts(), expected[outcome]);
        const bool added = outcome == int(WordOutcome::Added);
        QCOMPARE(files_->rows(0).size(), size_t(added ? 3 : 2));
        if (added)
            QCOMPARE(files_->rows(0).back().word, store::FieldValue(typed.toStdString()));
    }
    void wordRulesAsTheToolHasThem_data() { addWordRuleRows(); }

    // The level box keeps the focus, from keys and clicks alike, until it
    // holds a number of any size or sign; a click on Add is never held back.
    void levelBoxKeepsTheFocusUnlessNumeric() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        Form1& form = openForm();
        QLineEdit* level = ui().txtlevel;
        level->setText(text);
        level->setFocus();
        QTest::keyClick(level, Qt::Key_Tab);
        QCOMPARE(form.focusWidget(), numeric ? ui().txtC1 : level);
        level->setFocus();
        QTest::mouseClick(ui().txtWord, Qt::LeftButton);
        QCOMPARE(form.focusWidget(), numeric ? ui().txtWord : level);
        level->setFocus();
        QTest::mouseClick(form.ui.cmdExit2, Qt::LeftButton);
        QCOMPARE(refs::exists<Form1>(), !numeric);
        if (numeric)
            return;
        type({.word = "meadow", .ans = "a field", .level = ""});
        level->setFocus();
        QTest::mouseClick(form.ui.cmdAdd, Qt::LeftButton);
        QVERIFY(messages_->shown.isEmpty());
        QCOMPARE(level->text(), QString("1"));
        QCOMPARE(files_->rows(1).back().word, store::FieldValue("meadow"));
    }
    void levelBoxKeepsTheFocusUnlessNumeric_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        for (const char* text : {"", "abc", " ", "1,5"})
            QTest::addRow("'%s'", text) << QString(text) << false;
        for (const char* text : {"5", "-3", "99999999", "1e9", " 0.5 "})
            QTest::addRow("'%s'", text) << QString(text) << true;
    }

    void missingFileIsFatalOnLoad() {
        QVERIFY(QFile::remove(files_->path(2)));
        screens::guarded(services_, [this] { refs::get<Form1>(services_).showScreen(); });
        QCOMPARE(messages_->fatal.size(), 1);
        QVERIFY(!refs::get<Form1>(services_).isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
