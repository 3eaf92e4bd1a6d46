// Every screen of the catalogue, built: its window and controls in the
// places the design gives them (written out here in pixels, independently
// of the tables), and read back against its own table: roles, tab order
// and focus chain, what assistive technology is told, pictures for the
// device ratio.

#include "app/Form2.h"
#include "app/frmChoice.h"
#include "app/frmLogin.h"
#include "editor/frmEdit.h"
#include "entry/Form1.h"
#include "quiz/frmTest.h"
#include "review/frmReview.h"
#include "screens/Line.h"
#include "support/ScreenDriver.h"

#include <QAccessible>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>

using namespace lexitor;
using namespace lexitor::screens;

namespace {

// Each screen, and the buttons that Enter and Esc press on it.
struct Catalogued {
    std::function<std::unique_ptr<Screen>()> make;
    const ScreenLayout& layout;
    QString enter, esc;
};

template <typename S, typename C>
Catalogued listed(const ScreenTable<C>& table, QString enter = {}, QString esc = {}) {
    // Built only, never loaded: the screens show no message.
    return {[] { return std::make_unique<S>(Services{}); }, table.layout(), enter, esc};
}

const std::vector<Catalogued>& catalogue() {
    static const std::vector<Catalogued> all = {
        listed<app::Form2>(form2Table(), "cmdtest", "cmdExit"),
        listed<app::frmLogin>(frmLoginTable(), "cmdOK", "cmdCancel"),
        listed<app::frmChoice>(frmChoiceTable()),
        listed<entry::Form1>(form1Table(), "cmdAdd", "cmdExit2"),
        listed<editor::frmEdit>(frmEditTable()),
        listed<quiz::frmTest>(frmTestTable()),
        listed<review::frmReview>(frmReviewTable(), "cmdNext", "cmdExit"),
    };
    return all;
}

QString nameOf(const QWidget* widget) {
    return widget ? widget->objectName() : QString();
}

// The accessible interface goes by the widget's class, so this checks the kind too.
QAccessible::Role accessibleRoleOf(const BuildRow& row) {
    switch (row.kind) {
    case Kind::Label:
        return row.design.roles & Live ? QAccessible::Notification : QAccessible::StaticText;
    case Kind::TextBox:
        return QAccessible::EditableText;
    case Kind::Button:
        return QAccessible::Button;
    case Kind::Option:
        return QAccessible::RadioButton;
    case Kind::Line:
        return QAccessible::Separator;
    }
    return QAccessible::NoRole;
}

// Each screen's client area and its controls' places in pixels at 96 dpi,
// the design's twips divided by 15 by hand: left, top, width and height,
// or a line's two end points.
// clang-format off
const std::map<QString, QString> kPixels = {
    {"Form2", "345 260 | cmdEdit 160 16 145 33 | cmdEdit2 8 56 145 33 | cmdtest 160 152 145 33"
              " | cmdExit 16 192 153 33 | Label1 312 200 12 29 | cmdReview 8 152 145 33"},
    {"frmLogin", "250 103 | lbluser 7 10 72 18 | txtUser 86 9 155 23 | lblPass 7 36 72 18"
                 " | txtPass 86 35 155 23 | cmdOK 32 68 76 26 | cmdCancel 140 68 76 26"},
    {"frmChoice", "221 157 | Command1 112 32 89 25 | Command2 112 72 89 25"
                  " | Command3 112 112 89 25 | Label1 0 64 93 20"},
    {"Form1", "480 295 | txtWord 104 72 113 25 | txtAns 104 112 113 25 | txtlevel 104 152 25 25"
              " | txtC1 344 16 113 25 | txtC2 344 64 113 25 | txtC3 344 112 113 25"
              " | txtRef 344 160 113 25 | cmdAdd 120 224 73 33 | cmdExit2 312 224 81 33"
              " | lblWords 32 72 46 20 | lblAns 24 112 53 20 | lblchoice1 272 24 49 17"
              " | Label1 272 72 42 13 | Label2 272 120 42 13 | lblRefer 272 160 63 16"
              " | lblLevel 24 152 37 20 | Label3 16 16 201 41 | Line1 256 0 256 200"
              " | Line2 0 200 480 200"},
    {"frmEdit", "313 318 | txtWord 80 32 105 25 | lblWords 16 40 57 17 | cmdFind 224 32 73 25"
                " | lblAns 8 80 49 17 | txtAns 80 80 105 25 | lblChoices 0 120 65 25"
                " | txtC1 16 152 113 25 | txtC2 16 192 113 25 | txtC3 16 232 113 27"
                " | cmdUpdate 224 152 73 25 | cmdDel 224 192 73 25 | cmdExit 224 232 73 25"
                " | cmdNext 224 72 73 25 | cmdPrev 224 112 73 25 | Label1 0 272 50 13"
                " | txtRef 16 288 105 25"},
    {"frmTest", "373 250 | cmdcorrectme 264 88 73 25 | cmdDone 80 216 65 25 | cmdHelp 232 16 81 25"
                " | optSel(3) 136 128 105 49 | optSel(2) 136 64 105 49 | optSel(1) 8 128 113 41"
                " | optSel(0) 8 56 105 57 | cmdSubmit 264 136 81 25 | txtWord 88 16 105 25"
                " | lblStatIncorrect 272 56 46 21 | lblStatCorrect 272 56 34 13"
                " | lblRef 216 184 3 13 | lblRefCap 184 184 25 13 | lblCans 56 184 3 13"
                " | lblcorrect 8 176 48 26 | lblword 24 16 38 20 | lblinfo 272 184 57 25"},
    {"frmReview", "432 312 | txtWord 72 16 192 25 | lblword 16 18 38 20 | lblProgress 280 20 136 17"
                  " | optSel(0) 8 56 200 57 | optSel(2) 224 56 200 57 | optSel(1) 8 120 200 57"
                  " | optSel(3) 224 120 200 57 | lblRight 8 186 40 20 | lblWrong 8 186 40 20"
                  " | lblMeaning 64 188 360 17 | lblRef 64 224 360 17 | cmdHelp 8 272 81 25"
                  " | cmdNext 256 272 73 25 | cmdExit 344 272 73 25 | lblSummary 16 16 400 17"
                  " | lblMissed 16 52 400 17 | lblChartCap 16 160 200 17 | lblChart 16 180 400 80"},
};
// clang-format on

// The numbers after the client area's width and height, by control name.
std::map<QString, QList<int>> designedPixels(const QString& screen, QSize& client) {
    std::map<QString, QList<int>> places;
    for (const QString& part : kPixels.at(screen).split(" | ")) {
        QStringList words = part.split(' ');
        QList<int> numbers;
        for (const QString& word : words.mid(words.size() - (words.size() == 2 ? 2 : 4)))
            numbers.append(word.toInt());
        if (words.size() == 2)
            client = QSize(numbers[0], numbers[1]);
        else
            places[words[0]] = numbers;
    }
    return places;
}
} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Screen> screen;
    const ScreenLayout* layout = nullptr;

    void addScreens() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(catalogue().size()); ++i)
            QTest::newRow(qPrintable(catalogue()[i].layout.window.name)) << i;
    }
    const Catalogued& build() {
        QFETCH(int, index);
        screen = catalogue()[index].make();
        layout = &catalogue()[index].layout;
        return catalogue()[index];
    }
    QWidget* control(const BuildRow& row) const {
        return screen->findChild<QWidget*>(row.design.name, Qt::FindDirectChildrenOnly);
    }

private slots:
    void cleanup() { screen.reset(); }

    void controlsAsTheirRowsSay() {
        const Catalogued& expected = build();
        QCOMPARE(nameOf(screen->defaultButton()), expected.enter);
        QCOMPARE(nameOf(screen->cancelButton()), expected.esc);
        const WindowLayout& window = layout->window;
        QCOMPARE(screen->windowTitle(), window.title);
        QSize client;
        const auto places = designedPixels(window.name, client);
        QCOMPARE(screen->size(), client);
        QCOMPARE(places.size(), layout->controls.size());
        QCOMPARE(screen->minimumSize() == screen->maximumSize(), window.border != Border::Sizable);
        QCOMPARE(bool(screen->windowFlags() & Qt::FramelessWindowHint),
                 window.border == Border::None);

        for (const BuildRow& row : layout->controls) {
            const ControlLayout& design = row.design;
            QWidget* widget = control(row);
            QVERIFY2(widget && places.count(design.name), qPrintable(design.name));
            const QList<int>& p = places.at(design.name);
            if (auto* line = qobject_cast<Line*>(widget)) {
                QCOMPARE(line->from(), QPoint(p[0], p[1]));
                QCOMPARE(line->to(), QPoint(p[2], p[3]));
            } else {
                QCOMPARE(widget->geometry(), QRect(p[0], p[1], p[2], p[3]));
            }
            QVERIFY(widget->isEnabled());
            QCOMPARE(widget->isVisibleTo(screen.get()), !(design.roles & Hidden));
            QCOMPARE(widget == screen->defaultButton(), bool(design.roles & Default));
            QCOMPARE(widget == screen->cancelButton(), bool(design.roles & Cancel));
            if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                QCOMPARE(box->isReadOnly(), bool(design.roles & ReadOnly));
                QCOMPARE(box->echoMode() == QLineEdit::Password, bool(design.roles & Password));
                if (design.roles & Password)
                    QVERIFY(!box->testAttribute(Qt::WA_InputMethodEnabled));
            }
            // Pictures are drawn for the screen's device pixel ratio, not scaled to it.
            if (auto* button = qobject_cast<QPushButton*>(widget);
                button && !button->icon().isNull())
                QCOMPARE(QSizeF(button->icon().availableSizes().value(0)),
                         QSizeF(button->iconSize()) * screen->devicePixelRatioF());

            // To assistive technology every control is what its kind says, with a name.
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QCOMPARE(accessible->role(), accessibleRoleOf(row));
            QVERIFY2(row.kind == Kind::Line || !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(design.name));
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(screen.get());
        QCOMPARE(accessible->role(), QAccessible::Window);
        QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
    }
    void controlsAsTheirRowsSay_data() { addScreens(); }

    // The tab list is the rows in the order of their tab positions, and the
    // focus chain follows it through every control that takes the focus.
    void tabOrderAndFocusChain() {
        build();
        std::multimap<int, const BuildRow*> tabbed; // equal positions in row order
        for (const BuildRow& row : layout->controls) {
            if (row.design.tab >= 0)
                tabbed.emplace(row.design.tab, &row);
        }
        QStringList designed, focusOrder;
        for (const auto& [tab, row] : tabbed) {
            designed.append(row->design.name);
            if (row->kind != Kind::Label)
                focusOrder.append(row->design.name);
        }
        QStringList built;
        for (const QWidget* widget : screen->tabOrder())
            built.append(widget->objectName());
        QCOMPARE(built, designed);

        QStringList chain;
        QWidget* first = screen->tabOrder().front();
        for (QWidget* widget = first; chain.size() < focusOrder.size();) {
            if (widget->focusPolicy() & Qt::TabFocus && focusOrder.contains(widget->objectName()))
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
            if (widget == first)
                break;
        }
        QCOMPARE(chain, focusOrder);
    }
    void tabOrderAndFocusChain_data() { addScreens(); }

    // Once drawn, autosized labels fit their captions in the face actually
    // used, from their designed place; no shown control covers another or
    // reaches outside the window.
    void drawnWithoutOverlaps() {
        build();
        QSize client;
        const auto places = designedPixels(layout->window.name, client);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        for (const BuildRow& row : layout->controls) {
            if (!(row.design.roles & AutoSize) || (row.design.roles & WordWrap))
                continue;
            auto* label = static_cast<Label*>(control(row));
            const bool hidden = label->isHidden();
            label->show();
            QTRY_COMPARE(label->size(), label->sizeHint());
            const QList<int>& p = places.at(row.design.name);
            QCOMPARE(label->pos(), QPoint(p[0], p[1]));
            label->setHidden(hidden);
        }
        QCOMPARE(testing::overlaps(screen.get()), QStringList());
    }
    void drawnWithoutOverlaps_data() { addScreens(); }
};

QTEST_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
