// The roles a layout cannot say, tested on a probe screen of our own:
// default and cancel buttons, access keys, focus validation, autosized
// labels and the close box.

#include "screens/Screen.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

using namespace lexitor::screens;

namespace {

struct ProbeControls {
    QPushButton *cmdHidden = nullptr, *cmdGo = nullptr, *cmdQuit = nullptr, *cmdOther = nullptr;
    QLineEdit *txtFirst = nullptr, *txtGuarded = nullptr, *txtNext = nullptr;
    Label *lblFirst = nullptr, *lblGo = nullptr, *lblDuplicate = nullptr, *lblFit = nullptr,
          *lblWrap = nullptr;
};

const ScreenTable<ProbeControls>& probeTable() {
    using C = ProbeControls;
    // clang-format off
    static const ScreenTable<C> table{{.name = "probe", .title = "Probe", .clientWidth = 6000,
                                       .clientHeight = 4000}, {
        {&C::cmdHidden, {.name = "cmdHidden", .text = "&Hidden", .place = {0, 0, 900, 300}, .tab = 0,
                         .roles = Hidden}},
        {&C::txtFirst, {.name = "txtFirst", .place = {1200, 0, 1500, 300}, .tab = 1}},
        {&C::txtGuarded, {.name = "txtGuarded", .place = {1200, 600, 1500, 300}, .tab = 2,
                          .roles = NoValidation}},
        {&C::txtNext, {.name = "txtNext", .place = {1200, 1200, 1500, 300}, .tab = 3}},
        {&C::cmdGo, {.name = "cmdGo", .text = "&Go", .place = {0, 1800, 900, 300}, .tab = 4,
                     .roles = Default | NoValidation}},
        {&C::cmdQuit, {.name = "cmdQuit", .text = "&Quit", .place = {1200, 1800, 900, 300}, .tab = 5,
                       .roles = Cancel}},
        {&C::cmdOther, {.name = "cmdOther", .text = "&Other", .place = {2400, 1800, 900, 300},
                        .tab = 6}},
        {&C::lblFirst, {.name = "lblFirst", .text = "&First", .place = {0, 0, 900, 300}, .tab = 7}},
        {&C::lblGo, {.name = "lblGo", .text = "&Grab", .place = {0, 600, 900, 300}, .tab = 8}},
        {&C::lblDuplicate, {.name = "lblDuplicate", .text = "&Quiet", .place = {0, 1200, 900, 300},
                            .tab = 9}},
        {&C::lblFit, {.name = "lblFit", .text = "x", .place = {3600, 0, 300, 200}, .tab = 10,
                      .roles = AutoSize}},
        {&C::lblWrap, {.name = "lblWrap", .place = {3600, 600, 900, 200}, .tab = 11,
                       .roles = AutoSize | WordWrap}},
    }};
    // clang-format on
    return table;
}

class Probe : public ScreenWith<ProbeControls> {
public:
    // It shows no message and ends nothing: no services.
    Probe() : ScreenWith(probeTable(), Services{}) {
        setValidation(ui.txtGuarded, [this] {
            ++validations;
            return !ui.txtGuarded->text().isEmpty();
        });
    }
    int validations = 0;
    int closes = 0;

protected:
    void closeRequested() override { ++closes; }
};

} // namespace

class ScreenBaseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Probe> probe;
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    QWidget* focused() const { return QApplication::focusWidget(); }

private slots:
    void init() {
        probe = std::make_unique<Probe>();
        probe->showScreen();
        QApplication::setActiveWindow(probe.get());
        QVERIFY(QTest::qWaitForWindowExposed(probe.get()));
    }
    void cleanup() { probe.reset(); }

    // Enter, Esc and the close box.
    void enterPressesDefaultEscPressesCancel() {
        QSignalSpy go(probe->ui.cmdGo, &QAbstractButton::clicked);
        QSignalSpy quit(probe->ui.cmdQuit, &QAbstractButton::clicked);
        QSignalSpy other(probe->ui.cmdOther, &QAbstractButton::clicked);
        press(Qt::Key_Return);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(go.count(), 2);
        press(Qt::Key_Escape);
        QCOMPARE(quit.count(), 1);
        // The default button takes Enter even when another button has the focus.
        probe->ui.cmdOther->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(other.count(), 0);
        QCOMPARE(go.count(), 3);
        // A disabled default button is not pressed.
        probe->ui.txtFirst->setFocus();
        probe->ui.cmdGo->setEnabled(false);
        press(Qt::Key_Return);
        QCOMPARE(go.count(), 3);
        // Closing the window runs the screen's way out.
        QVERIFY(!probe->close());
        QCOMPARE(probe->closes, 1);
        QVERIFY(probe->isVisible());
    }

    void accessKeysPressButtonsAndFocusAfterLabels() {
        QSignalSpy other(probe->ui.cmdOther, &QAbstractButton::clicked);
        QSignalSpy hidden(probe->ui.cmdHidden, &QAbstractButton::clicked);
        // The first focus goes to the lowest visible tab position.
        QCOMPARE(focused(), probe->ui.txtFirst);
        press(Qt::Key_O, Qt::AltModifier);
        QCOMPARE(other.count(), 1);
        QCOMPARE(focused(), probe->ui.cmdOther);
        // A hidden button's key does nothing.
        press(Qt::Key_H, Qt::AltModifier);
        QCOMPARE(hidden.count(), 0);
        // A label's key moves to the next control after it in tab order
        // that can take the focus: after the last labels that wraps round
        // to the first visible control.
        press(Qt::Key_F, Qt::AltModifier);
        QCOMPARE(focused(), probe->ui.txtFirst);
        // Two controls share a key: the first in tab order wins.
        QSignalSpy quit(probe->ui.cmdQuit, &QAbstractButton::clicked);
        press(Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(quit.count(), 1);
        // The key's character is underlined, not shown.
        QCOMPARE(probe->ui.lblFirst->buddy(), probe->ui.txtFirst);
    }

    void validationKeepsFocusUntilTheBoxIsValid() {
        QLineEdit* guarded = probe->ui.txtGuarded;
        guarded->setFocus();
        // Tab, Shift+Tab and a click on a validating control are refused.
        press(Qt::Key_Tab);
        QCOMPARE(focused(), guarded);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), guarded);
        QTest::mouseClick(probe->ui.txtNext, Qt::LeftButton);
        QCOMPARE(focused(), guarded);
        QSignalSpy quit(probe->ui.cmdQuit, &QAbstractButton::clicked);
        QTest::mouseClick(probe->ui.cmdQuit, Qt::LeftButton);
        press(Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(quit.count(), 0);
        QCOMPARE(focused(), guarded);
        QVERIFY(probe->validations >= 5);
        // Esc moves no focus: it presses the cancel button without asking.
        const int asked = probe->validations;
        press(Qt::Key_Escape);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(probe->validations, asked);

        // A control marked not to validate takes the click, and the focus.
        QSignalSpy go(probe->ui.cmdGo, &QAbstractButton::clicked);
        QTest::mouseClick(probe->ui.cmdGo, Qt::LeftButton);
        QCOMPARE(go.count(), 1);
        guarded->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(go.count(), 2);

        // A handler that moves the focus (after a message, say) is obeyed.
        guarded->setFocus();
        probe->ui.txtNext->setFocus();
        QCOMPARE(focused(), probe->ui.txtNext);

        // Once valid, the focus leaves.
        guarded->setFocus();
        QTest::keyClicks(guarded, "1");
        press(Qt::Key_Tab);
        QCOMPARE(focused(), probe->ui.txtNext);
        // Moving into the guarded box from elsewhere never validates it;
        // txtFirst causes validation once on the way back.
        guarded->clear();
        probe->ui.txtFirst->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), guarded);
        const int before = probe->validations;
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(probe->validations, before + 1);
    }

    void autosizedLabelsFollowTheirText() {
        Label* fit = probe->ui.lblFit;
        fit->setText("a much longer caption");
        QCOMPARE(fit->size(), fit->sizeHint());
        const QPoint place = fit->pos();
        fit->setText("i");
        QCOMPARE(fit->pos(), place);
        QVERIFY(fit->width() < QFontMetrics(fit->font()).horizontalAdvance("a much longer"));

        Label* wrap = probe->ui.lblWrap;
        const int width = wrap->width();
        const int oneLine = wrap->height();
        wrap->setText("several short words that will not fit on one line of this label");
        QCOMPARE(wrap->width(), width);
        QVERIFY(wrap->height() > oneLine);
        wrap->setText("Incomprehensibilities");
        QVERIFY(wrap->width() > width);
        // Before it is cut, a text shows in the narrow variant of the face,
        // at the same size.
        bool narrowed = false;
        for (int words = 1; !narrowed && !wrap->shownText().cut; ++words) {
            wrap->setText(QString("meaning ").repeated(words));
            narrowed = wrap->shownText().font.family() != wrap->font().family();
        }
        QVERIFY(narrowed && !wrap->shownText().cut);
        QCOMPARE(wrap->shownText().font.pointSizeF(), wrap->font().pointSizeF());
        // A text too long for the room below takes the room to its right;
        // past that it is cut with an ellipsis, never by the screen's edge,
        // and its whole text is in the tooltip and the accessible description.
        for (const int words : {40, 1250}) {
            const QString text = QString("meaning ").repeated(words);
            wrap->setText(text);
            QVERIFY(probe->rect().contains(wrap->geometry()));
            QCOMPARE(wrap->shownText().cut, words > 40);
            QCOMPARE(wrap->shownText().lines.last().endsWith(QChar(0x2026)), words > 40);
            QCOMPARE(wrap->toolTip(), words > 40 ? text : QString());
            QCOMPARE(wrap->accessibleDescription(), wrap->toolTip());
        }
    }

    void aTextPutInByTheProgramShowsFromItsStart() {
        QLineEdit* next = probe->ui.txtNext;
        next->setText(QString("a long meaning that does not fit its box at all ").repeated(3));
        QCOMPARE(next->cursorPosition(), 0);
        // Typing is left alone.
        next->setFocus();
        next->end(false);
        QTest::keyClicks(next, "x");
        QCOMPARE(next->cursorPosition(), next->text().size());
    }
};

QTEST_MAIN(ScreenBaseTest)
#include "ScreenBaseTest.moc"
