// Every screen of the catalogue, built, read back against its own table:
// what the builder computes from the rows (places in pixels, roles, tab
// order and focus chain, what assistive technology is told, pictures for
// the device ratio), never a second copy of the table.

#include "app/Form2.h"
#include "app/frmChoice.h"
#include "app/frmLogin.h"
#include "editor/frmEdit.h"
#include "entry/Form1.h"
#include "quiz/frmTest.h"
#include "review/frmReview.h"
#include "screens/Line.h"
#include "screens/Twips.h"
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
    return {[] { return std::make_unique<S>(); }, table.layout(), enter, esc};
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

QRect pixels(const Rect& r) {
    return twipsRect(r.left, r.top, r.width, r.height);
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
        QCOMPARE(screen->size(), twipsSize(window.clientWidth, window.clientHeight));
        QCOMPARE(screen->minimumSize() == screen->maximumSize(), window.border != Border::Sizable);
        QCOMPARE(bool(screen->windowFlags() & Qt::FramelessWindowHint),
                 window.border == Border::None);

        for (const BuildRow& row : layout->controls) {
            const ControlLayout& design = row.design;
            QWidget* widget = control(row);
            QVERIFY2(widget, qPrintable(design.name));
            if (auto* line = qobject_cast<Line*>(widget)) {
                QCOMPARE(line->from(), twipsPoint(design.place.left, design.place.top));
                QCOMPARE(line->to(), twipsPoint(design.place.width, design.place.height));
            } else if (row.kind != Kind::Option) {
                QCOMPARE(widget->geometry(), pixels(design.place));
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
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        for (const BuildRow& row : layout->controls) {
            if (!(row.design.roles & AutoSize) || (row.design.roles & WordWrap))
                continue;
            auto* label = static_cast<Label*>(control(row));
            const bool hidden = label->isHidden();
            label->show();
            QTRY_COMPARE(label->size(), label->sizeHint());
            QCOMPARE(label->pos(), pixels(row.design.place).topLeft());
            label->setHidden(hidden);
        }
        QCOMPARE(testing::overlaps(screen.get()), QStringList());
    }
    void drawnWithoutOverlaps_data() { addScreens(); }
};

QTEST_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
