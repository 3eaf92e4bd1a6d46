// Every screen, built, read back against the design's layout: a drifting
// place, caption, tab position or role fails here.

#include "app/Form2.h"
#include "app/frmChoice.h"
#include "app/frmLogin.h"
#include "editor/frmEdit.h"
#include "entry/Form1.h"
#include "quiz/frmTest.h"
#include "screens/Line.h"
#include "screens/Twips.h"
#include "support/ScreenDriver.h"

#include <QAccessible>
#include <QtTest>

#include <memory>

using namespace lexitor;
using namespace lexitor::app;
using namespace lexitor::entry;
using namespace lexitor::editor;
using namespace lexitor::quiz;
using namespace lexitor::screens;

namespace {

// One control as designed: "name|kind|text|left,top,width,height|tab|roles".
// Kinds: L label, T text box, B button, P picture button, O option, - line
// (whose place is its two end points). Roles: D default, C cancel, H hidden,
// R read-only, * password, V focus here does not validate, A autosize,
// W autosize with word wrap, ! a result announced to assistive technology.
// Every place is read back as built; once drawn, an autosized label fits its
// caption in the face actually used.
using Design = std::vector<const char*>;

const Design kForm2 = {
    "cmdEdit|P||2400,240,2175,495|0|",      "cmdEdit2|P||120,840,2175,495|1|",
    "cmdtest|P||2400,2280,2175,495|2|D",    "cmdExit|P||240,2880,2295,495|3|C",
    "Label1|L|?|4680,3000,180,435|4|A",
};
const Design kLogin = {
    "lbluser|L|&User Name:|105,150,1080,270|0|", "txtUser|T||1290,135,2325,345|1|",
    "lblPass|L|&Password:|105,540,1080,270|2|",  "txtPass|T||1290,525,2325,345|3|*",
    "cmdOK|B|OK|480,1020,1140,390|4|D",          "cmdCancel|B|Cancel|2100,1020,1140,390|5|C",
};
const Design kChoice = {
    "Command1|B|Level &0|1680,480,1335,375|0|", "Command2|B|Level &1|1680,1080,1335,375|1|",
    "Command3|B|Level &2|1680,1680,1335,375|2|", "Label1|L|Choose Level|0,960,1395,300|3|A",
};
const Design kAddRecords = {
    "txtWord|T||1560,1080,1695,375|0|",       "txtAns|T||1560,1680,1695,375|1|",
    "txtlevel|T||1560,2280,375,375|2|V",      "txtC1|T||5160,240,1695,375|3|",
    "txtC2|T||5160,960,1695,375|4|",          "txtC3|T||5160,1680,1695,375|5|",
    "txtRef|T||5160,2400,1695,375|6|",        "cmdAdd|B|&Add|1800,3360,1095,495|7|DV",
    "cmdExit2|B|&Exit|4680,3360,1215,495|8|C", "lblWords|L|&Words|480,1080,690,300|9|A",
    "lblAns|L|&Answer|360,1680,795,300|10|A",  "lblchoice1|L|Choice &1|4080,360,735,255|11|",
    "Label1|L|Choice &2|4080,1080,630,195|12|A", "Label2|L|Choice &3|4080,1800,630,195|13|A",
    "lblRefer|L|&Reference|4080,2400,945,240|14|A", "lblLevel|L|&Level|360,2280,555,300|15|A",
    "Label3|L|Lexitor|240,240,3015,615|16|",  "Line1|-||3840,0,3840,3000||",
    "Line2|-||0,3000,7200,3000||",
};
const Design kEdit = {
    "txtWord|T||1200,480,1575,375|0|",          "lblWords|L|Word|240,600,855,255|1|",
    "cmdFind|B|&Find|3360,480,1095,375|2|",     "lblAns|L|Answer|120,1200,735,255|3|",
    "txtAns|T||1200,1200,1575,375|4|",          "lblChoices|L|Choices|0,1800,975,375|5|",
    "txtC1|T||240,2280,1695,375|6|",            "txtC2|T||240,2880,1695,375|7|",
    "txtC3|T||240,3480,1695,405|8|",            "cmdUpdate|B|&Update|3360,2280,1095,375|9|",
    "cmdDel|B|&Delete|3360,2880,1095,375|10|",  "cmdExit|B|&Exit|3360,3480,1095,375|11|",
    "cmdNext|B|&Next|3360,1080,1095,375|12|",   "cmdPrev|B|&Previous|3360,1680,1095,375|13|",
    "Label1|L|Reference|0,4080,750,195|14|A",    "txtRef|T||240,4320,1575,375|15|",
};
const Design kQuiz = {
    "cmdcorrectme|B|Correct me|3960,1320,1095,375|0|H", "cmdDone|B|&Done|1200,3240,975,375|1|H",
    "cmdHelp|B|&Help Me|3480,240,1215,375|2|",          "optSel(3)|O|Option1|2040,1920,1575,735|3|",
    "optSel(2)|O|Option1|2040,960,1575,735|4|",         "optSel(1)|O|Option1|120,1920,1695,615|5|",
    "optSel(0)|O|Option1|120,840,1575,855|6|",          "cmdSubmit|B|&Submit|3960,2040,1215,375|7|",
    "txtWord|T||1320,240,1575,375|8|R",                 "lblStatIncorrect|L|Wrong!!|4080,840,690,315|9|HA!",
    "lblStatCorrect|L|Correct|4080,840,510,195|10|HA!",  "lblRef|L||3240,2760,45,195|11|W",
    "lblRefCap|L|Ref|2760,2760,375,195|12|A",            "lblCans|L||840,2760,45,195|13|W!",
    "lblcorrect|L|Correct Answer|120,2640,720,390|14|W", "lblword|L|Word|360,240,570,300|15|A",
    "lblinfo|L||4080,2760,855,375|16|",
};

QString kindOf(QWidget* widget) {
    if (qobject_cast<Label*>(widget))
        return "L";
    if (qobject_cast<QLineEdit*>(widget))
        return "T";
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->icon().isNull() ? "B" : "P";
    if (qobject_cast<OptionButton*>(widget))
        return "O";
    if (qobject_cast<Line*>(widget))
        return "-";
    return "?";
}

QString textOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    if (auto* option = qobject_cast<OptionButton*>(widget))
        return option->caption();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return {};
}

// The place read back in twips, rounded to the pixel it stands on.
QString placeOf(QWidget* widget) {
    if (auto* line = qobject_cast<Line*>(widget))
        return QString("%1,%2,%3,%4")
            .arg(pixelsToTwips(line->from().x()))
            .arg(pixelsToTwips(line->from().y()))
            .arg(pixelsToTwips(line->to().x()))
            .arg(pixelsToTwips(line->to().y()));
    const QRect r = widget->geometry();
    return QString("%1,%2,%3,%4")
        .arg(pixelsToTwips(r.x()))
        .arg(pixelsToTwips(r.y()))
        .arg(pixelsToTwips(r.width()))
        .arg(pixelsToTwips(r.height()));
}

QString roundedPlace(const QString& designed) {
    QStringList parts;
    for (const QString& part : designed.split(','))
        parts.append(QString::number(pixelsToTwips(twipsToPixels(part.toInt()))));
    return parts.join(',');
}

QString rolesOf(const Screen& screen, QWidget* widget) {
    QString roles;
    if (widget == screen.defaultButton())
        roles += 'D';
    if (widget == screen.cancelButton())
        roles += 'C';
    if (!widget->isVisibleTo(const_cast<Screen*>(&screen)))
        roles += 'H';
    auto* box = qobject_cast<QLineEdit*>(widget);
    if (box && box->isReadOnly())
        roles += 'R';
    if (box && box->echoMode() == QLineEdit::Password)
        roles += '*';
    if (!widget->property("causesValidation").toBool() && !qobject_cast<Line*>(widget))
        roles += 'V';
    return roles;
}

void checkScreen(const Screen& screen, const Design& design) {
    QStringList focusOrder;
    for (const char* row : design) {
        const QStringList f = QString::fromUtf8(row).split('|');
        QWidget* widget = screen.control(f[0]);
        QVERIFY2(widget, qPrintable(f[0]));
        QString roles = f[5];
        roles.remove('A').remove('W').remove('!');
        const QString readBack = QStringList{widget->objectName(),     kindOf(widget),
                                             textOf(widget),           placeOf(widget),
                                             QString(),                rolesOf(screen, widget)}
                                     .join('|');
        const QString expected =
            QStringList{f[0], f[1], f[2], roundedPlace(f[3]), QString(), roles}.join('|');
        QCOMPARE(readBack, expected);
        QVERIFY2(widget->isEnabled(), qPrintable(f[0]));
        if (f[1] != "L" && f[1] != "-")
            focusOrder.append(f[0]);
    }
    // Tab positions: the designed order is the order of the tab list, and
    // the focus chain follows it through every control that takes the focus.
    QStringList tabList;
    for (QWidget* widget : screen.tabOrder())
        tabList.append(widget->objectName());
    QStringList designedTabs;
    for (const char* row : design) {
        const QStringList f = QString::fromUtf8(row).split('|');
        if (!f[4].isEmpty())
            designedTabs.append(f[0]);
    }
    QCOMPARE(tabList, designedTabs);
    QStringList chain;
    QWidget* widget = screen.control(focusOrder.first());
    do {
        if (widget->focusPolicy() & Qt::TabFocus && focusOrder.contains(widget->objectName()))
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget && chain.size() < focusOrder.size() && widget != screen.control(focusOrder.first()));
    QCOMPARE(chain, focusOrder);
    QCOMPARE(screen.control(focusOrder.first())->window(), &screen);

    // To assistive technology the screen is a window, and every control is
    // what its kind says, with a name.
    auto* window = QAccessible::queryAccessibleInterface(const_cast<Screen*>(&screen));
    QCOMPARE(window->role(), QAccessible::Window);
    QVERIFY(!window->text(QAccessible::Name).isEmpty());
    const QHash<QString, QAccessible::Role> roleOfKind = {
        {"L", QAccessible::StaticText},  {"T", QAccessible::EditableText},
        {"B", QAccessible::Button},      {"P", QAccessible::Button},
        {"O", QAccessible::RadioButton}, {"-", QAccessible::Separator}};
    for (const char* row : design) {
        const QStringList f = QString::fromUtf8(row).split('|');
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(screen.control(f[0]));
        const auto role = f[5].contains('!') ? QAccessible::Notification : roleOfKind.value(f[1]);
        QVERIFY2(control->role() == role, row);
        QVERIFY2(f[1] == "-" || !control->text(QAccessible::Name).isEmpty(), row);
    }
}

// Once drawn, autosized labels fit their captions, and no shown control
// covers another or reaches outside the window.
void checkAutosizeOnceDrawn(Screen& screen, const Design& design) {
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    for (const char* row : design) {
        const QStringList f = QString::fromUtf8(row).split('|');
        if (!f[5].contains('A'))
            continue;
        Label* label = screen.label(f[0]);
        const bool hidden = label->isHidden();
        label->show();
        const QPoint designed = label->pos();
        QTRY_COMPARE(label->size(), label->sizeHint());
        QCOMPARE(label->pos(), designed);
        label->setHidden(hidden);
    }
    QCOMPARE(testing::overlaps(&screen), QStringList());
}

void checkWindow(const Screen& screen, const QString& title, int width, int height) {
    QCOMPARE(screen.windowTitle(), title);
    QCOMPARE(pixelsToTwips(screen.width()), pixelsToTwips(twipsToPixels(width)));
    QCOMPARE(pixelsToTwips(screen.height()), pixelsToTwips(twipsToPixels(height)));
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void mainMenu() {
        Form2 screen;
        checkScreen(screen, kForm2);
        checkAutosizeOnceDrawn(screen, kForm2);
        checkWindow(screen, "Make your Chioce", 5175, 3900);
        QCOMPARE(screen.n, 0);
        QCOMPARE(screen.minimumSize(), QSize(0, 0)); // the only sizable border
        QCOMPARE(screen.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(screen.button("cmdExit")->toolTip(),
                 QString("You can hit \"Esc\" to activate this button"));
        for (const char* name : {"cmdEdit", "cmdEdit2", "cmdtest", "cmdExit"}) {
            QPushButton* button = screen.button(name);
            QVERIFY(!button->accessibleName().isEmpty());
            QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::white));
        }
        // The pictures are drawn for the screen's device pixel ratio, not scaled to it.
        for (const char* name : {"cmdEdit", "cmdEdit2", "cmdtest", "cmdExit"}) {
            const QPushButton* button = screen.button(name);
            QCOMPARE(QSizeF(button->icon().availableSizes().value(0)),
                     QSizeF(button->iconSize()) * screen.devicePixelRatioF());
        }
        QCOMPARE(screen.button("cmdEdit")->iconSize(), QSize(130, 29));
        QCOMPARE(screen.button("cmdEdit2")->iconSize(), QSize(146, 29));
        QCOMPARE(screen.button("cmdtest")->iconSize(), QSize(97, 28));
        QCOMPARE(screen.button("cmdExit")->iconSize(), QSize(160, 35));
        Label* help = screen.label("Label1");
        QCOMPARE(help->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(help->font().pointSizeF(), 18.0);
        QVERIFY(help->font().underline());
        QCOMPARE(help->cursor().hotSpot(), QPoint(12, 1));
        QVERIFY(!screen.windowIcon().isNull());
    }

    void login() {
        frmLogin screen;
        checkScreen(screen, kLogin);
        checkAutosizeOnceDrawn(screen, kLogin);
        checkWindow(screen, "Login", 3750, 1545);
        QCOMPARE(screen.minimumSize(), screen.maximumSize()); // fixed single border
        QVERIFY(!screen.LoginSucceeded);
        QVERIFY(!screen.textBox("txtPass")->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(screen.textBox("txtUser")->accessibleName(), QString("User Name"));
        QCOMPARE(screen.textBox("txtPass")->accessibleName(), QString("Password"));
    }

    void levelChooser() {
        frmChoice screen;
        checkScreen(screen, kChoice);
        checkAutosizeOnceDrawn(screen, kChoice);
        checkWindow(screen, "Database Level", 3315, 2355);
        QVERIFY(!screen.defaultButton() && !screen.cancelButton());
        QCOMPARE(screen.label("Label1")->font().pointSizeF(), 11.25);
        QCOMPARE(screen.design().fixedPlace->left, 3480);
        QCOMPARE(screen.design().fixedPlace->top, 3330);
    }

    void addRecords() {
        Form1 screen;
        checkScreen(screen, kAddRecords);
        checkAutosizeOnceDrawn(screen, kAddRecords);
        checkWindow(screen, "Add Records", 7200, 4425);
        QCOMPARE(screen.textBox("txtlevel")->toolTip(), QString("Valid values are 0,1,2"));
        QCOMPARE(screen.label("lblWords")->palette().color(QPalette::WindowText), QColor(0xFF0000));
        QCOMPARE(screen.label("lblchoice1")->palette().color(QPalette::WindowText),
                 QColor(0xFF8000));
        QCOMPARE(screen.label("Label3")->palette().color(QPalette::WindowText), QColor(0xFF00FF));
        QCOMPARE(screen.label("Label3")->font().pointSizeF(), 24.0);
        QVERIFY(screen.label("Label3")->font().underline());
        for (const char* box : {"txtWord", "txtAns", "txtlevel", "txtC1", "txtC2", "txtC3", "txtRef"})
            QVERIFY2(!screen.textBox(box)->accessibleName().isEmpty(), box);
    }

    void editDatabase() {
        frmEdit screen;
        checkScreen(screen, kEdit);
        checkAutosizeOnceDrawn(screen, kEdit);
        checkWindow(screen, "Edit Database", 4695, 4770);
        QVERIFY(!screen.defaultButton() && !screen.cancelButton());
        QCOMPARE(screen.label("lblWords")->palette().color(QPalette::WindowText), QColor(0x008080));
    }

    void quiz() {
        frmTest screen;
        checkScreen(screen, kQuiz);
        checkAutosizeOnceDrawn(screen, kQuiz);
        QCOMPARE(pixelsToTwips(screen.width()), pixelsToTwips(twipsToPixels(5595)));
        QVERIFY(screen.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(screen.windowIcon().cacheKey() == QApplication::windowIcon().cacheKey() ||
                screen.design().icon == WindowIcon::None);
        QCOMPARE(screen.label("lblStatCorrect")->palette().color(QPalette::WindowText),
                 QColor(0x00C000));
        // A shown result is never cut off, whatever face stands in for the
        // designed one.
        QVERIFY(screen.label("lblStatIncorrect")->width() >=
                QFontMetrics(screen.label("lblStatIncorrect")->font()).horizontalAdvance("Wrong!!"));
    }
};

QTEST_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
