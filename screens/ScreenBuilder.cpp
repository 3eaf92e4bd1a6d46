#include "screens/ScreenBuilder.h"

#include "screens/Accessibility.h"
#include "screens/Artwork.h"
#include "screens/Label.h"
#include "screens/Line.h"
#include "screens/OptionButton.h"
#include "screens/Twips.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace lexitor::screens {

void installFontSubstitutes() {
    static const bool installed = [] {
        QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
        QFont::insertSubstitutions("Lucida Handwriting",
                                   {"Z003", "URW Chancery L", "DejaVu Serif"});
        QFont::insertSubstitutions("Papyrus", {"URW Bookman", "P052", "DejaVu Serif"});
        QFont::insertSubstitutions("News Gothic MT",
                                   {"Liberation Sans Narrow", "Liberation Sans", "DejaVu Sans"});
        return true;
    }();
    (void)installed;
}

namespace {

void applyColours(QWidget* widget, const ControlLayout& design) {
    QPalette palette = widget->palette();
    if (design.foreground) {
        palette.setColor(QPalette::WindowText, QColor(*design.foreground));
        palette.setColor(QPalette::ButtonText, QColor(*design.foreground));
    }
    if (design.background) {
        palette.setColor(QPalette::Window, QColor(*design.background));
        palette.setColor(QPalette::Button, QColor(*design.background));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void applyFont(QWidget* widget, const ControlLayout& design) {
    QFont font = widget->font();
    if (!design.font.family.isEmpty()) {
        font.setFamily(design.font.family);
        font.setPointSizeF(design.font.points);
    }
    font.setUnderline(design.roles & Underline);
    widget->setFont(font);
}

QRect toPixels(const Rect& r) {
    return twipsRect(r.left, r.top, r.width, r.height);
}

// Pictures are drawn for the window's device pixel ratio.
QWidget* makeControl(QWidget& window, Kind kind, const ControlLayout& design, qreal ratio) {
    switch (kind) {
    case Kind::Label: {
        auto* label = new Label(design.roles, &window);
        label->setPurpose(design.accessibleName);
        label->setDesignCaption(design.text);
        if (design.picture == Picture::HelpCursor)
            label->setCursor(cursorFor(design.picture, ratio));
        label->setGeometry(toPixels(design.place));
        if (design.room)
            label->setRoom(toPixels(*design.room));
        return label;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(&window);
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setText(design.text);
        box->setReadOnly(design.roles & ReadOnly);
        // A text put in by the program shows from its start, not its end.
        QObject::connect(box, &QLineEdit::textChanged, box, [box] {
            if (!box->isModified())
                box->setCursorPosition(0);
        });
        if (design.roles & Password) {
            box->setEchoMode(QLineEdit::Password);
            box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
            box->setAttribute(Qt::WA_InputMethodEnabled, false);
        }
        box->setGeometry(toPixels(design.place));
        return box;
    }
    case Kind::Button: {
        auto* button = new QPushButton(&window);
        button->setAutoDefault(false);
        if (design.picture != Picture::None) {
            const QPixmap picture = pictureFor(design.picture, ratio);
            button->setIcon(picture);
            button->setIconSize(picture.deviceIndependentSize().toSize());
        } else {
            button->setText(design.text);
        }
        button->setGeometry(toPixels(design.place));
        return button;
    }
    case Kind::Option: {
        auto* option = new OptionButton(&window);
        option->setBoxes(toPixels(design.place), design.room ? toPixels(*design.room) : QRect());
        option->setCaption(design.text);
        return option;
    }
    case Kind::Line:
        return new Line(twipsPoint(design.place.left, design.place.top),
                        twipsPoint(design.place.width, design.place.height),
                        QColor(design.foreground.value_or(0)), design.lineWidth, &window);
    }
    return nullptr;
}

// The focus chain follows the tab positions through the controls that take
// the focus; a label's access key moves the focus to the next of them.
void orderTabs(BuiltControls& built, const QWidget& window) {
    QWidget* previous = nullptr;
    for (QWidget* widget : built.tabOrder) {
        if (qobject_cast<Label*>(widget)) {
            widget->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    for (QWidget* widget : built.tabOrder) {
        if (auto* label = qobject_cast<Label*>(widget); label && built.accessKeys.contains(label))
            label->setBuddy(nextFocusable(built.tabOrder, label, true, &window));
    }
}

} // namespace

BuiltWindow buildWindow(QWidget& window, const WindowLayout& layout) {
    installFontSubstitutes();
    installAccessibility();
    const qreal ratio = window.devicePixelRatioF();
    window.setObjectName(layout.name);
    window.setWindowTitle(layout.title);
    if (!layout.accessibleName.isEmpty())
        window.setAccessibleName(layout.accessibleName);
    window.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    if (layout.icon != WindowIcon::None)
        window.setWindowIcon(windowIconFor(layout.icon, ratio));
    if (layout.background) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(*layout.background));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    const QSize client = twipsSize(layout.clientWidth, layout.clientHeight);
    switch (layout.border) {
    case Border::Sizable:
        window.setWindowFlags(Qt::Window);
        window.resize(client);
        break;
    case Border::FixedSingle:
        window.setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint);
        window.setFixedSize(client);
        break;
    case Border::None:
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setFixedSize(client);
        break;
    }
    BuiltWindow built{pictureFor(layout.backgroundPicture, ratio), std::nullopt};
    if (layout.fixedPlace)
        built.fixedPlace = twipsPoint(layout.fixedPlace->left, layout.fixedPlace->top);
    return built;
}

BuiltControls buildControls(QWidget& window, const std::vector<BuildRow>& rows) {
    BuiltControls built;
    const qreal ratio = window.devicePixelRatioF();
    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const auto& [kind, design] : rows) {
        QWidget* widget = makeControl(window, kind, design, ratio);
        widget->setObjectName(design.name);
        applyFont(widget, design);
        applyColours(widget, design);
        if (!design.toolTip.isEmpty())
            widget->setToolTip(design.toolTip);
        if (!design.accessibleName.isEmpty() && kind != Kind::Label)
            widget->setAccessibleName(design.accessibleName);
        if (design.roles & Hidden)
            widget->setVisible(false);
        if (design.roles & NoValidation)
            built.noValidation.insert(widget);
        if (design.roles & Default)
            built.defaultButton = qobject_cast<QPushButton*>(widget);
        if (design.roles & Cancel)
            built.cancelButton = qobject_cast<QPushButton*>(widget);
        if (const QChar key = accessKeyOf(design.text); !key.isNull() && kind != Kind::Option)
            built.accessKeys.insert(widget, key);
        if (design.tab >= 0)
            tabbed.emplace_back(design.tab, widget);
        widget->installEventFilter(&window);
        built.rows.push_back(widget);
    }
    std::sort(tabbed.begin(), tabbed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [tab, widget] : tabbed)
        built.tabOrder.push_back(widget);
    orderTabs(built, window);
    return built;
}

QWidget* nextFocusable(const std::vector<QWidget*>& tabOrder, const QWidget* from, bool forward,
                       const QWidget* window) {
    const auto count = static_cast<qsizetype>(tabOrder.size());
    const auto start = std::find(tabOrder.begin(), tabOrder.end(), from) - tabOrder.begin();
    if (start >= count)
        return nullptr;
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype i = ((start + (forward ? step : -step)) % count + count) % count;
        QWidget* candidate = tabOrder[i];
        if (candidate != from && candidate->focusPolicy() & Qt::TabFocus &&
            candidate->isEnabled() && candidate->isVisibleTo(window))
            return candidate;
    }
    return nullptr;
}

QChar accessKeyOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

} // namespace lexitor::screens
