#include "screens/ScreenBuilder.h"

#include "screens/Accessibility.h"
#include "screens/Artwork.h"
#include "screens/Line.h"
#include "screens/Screen.h"
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

// Pictures are drawn for the screen's device pixel ratio.
QWidget* makeControl(Screen& screen, const ControlLayout& design, qreal ratio) {
    switch (design.kind) {
    case Kind::Label: {
        auto* label = new Label(design.roles, &screen);
        label->setPurpose(design.accessibleName);
        label->setDesignCaption(design.text);
        if (design.picture == Picture::HelpCursor)
            label->setCursor(cursorFor(design.picture, ratio));
        return label;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(&screen);
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
        return box;
    }
    case Kind::Button:
    case Kind::PictureButton: {
        auto* button = new QPushButton(&screen);
        button->setAutoDefault(false);
        if (design.kind == Kind::PictureButton) {
            const QPixmap picture = pictureFor(design.picture, ratio);
            button->setIcon(picture);
            button->setIconSize(picture.deviceIndependentSize().toSize());
        } else {
            button->setText(design.text);
        }
        return button;
    }
    case Kind::Option: {
        const int index = design.name.section('(', 1).section(')', 0, 0).toInt();
        auto* option = new OptionButton(index, &screen);
        const Rect& place = design.place;
        const Rect room = design.room.value_or(Rect{});
        option->setBoxes(twipsRect(place.left, place.top, place.width, place.height),
                         design.room ? twipsRect(room.left, room.top, room.width, room.height)
                                     : QRect());
        option->setCaption(design.text);
        return option;
    }
    case Kind::Line:
        return new Line(twipsPoint(design.place.left, design.place.top),
                        twipsPoint(design.place.width, design.place.height),
                        QColor(design.foreground.value_or(0)), design.lineWidth, &screen);
    }
    return nullptr;
}

} // namespace

void ScreenBuilder::build(Screen& screen) {
    installFontSubstitutes();
    installAccessibility();
    const ScreenLayout& design = screen.design_;
    const qreal ratio = screen.devicePixelRatioF();
    screen.setObjectName(design.name);
    screen.setWindowTitle(design.title);
    if (!design.accessibleName.isEmpty())
        screen.setAccessibleName(design.accessibleName);
    screen.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    if (design.icon != WindowIcon::None)
        screen.setWindowIcon(windowIconFor(design.icon, ratio));
    if (design.background) {
        QPalette palette = screen.palette();
        palette.setColor(QPalette::Window, QColor(*design.background));
        screen.setPalette(palette);
        screen.setAutoFillBackground(true);
    }
    screen.backgroundPicture_ = pictureFor(design.backgroundPicture, ratio);

    const QSize client = twipsSize(design.clientWidth, design.clientHeight);
    switch (design.border) {
    case Border::Sizable:
        screen.setWindowFlags(Qt::Window);
        screen.resize(client);
        break;
    case Border::FixedSingle:
        screen.setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint);
        screen.setFixedSize(client);
        break;
    case Border::None:
        screen.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        screen.setFixedSize(client);
        break;
    }

    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const ControlLayout& control : design.controls) {
        QWidget* widget = makeControl(screen, control, ratio);
        widget->setObjectName(control.name);
        applyFont(widget, control);
        applyColours(widget, control);
        if (control.kind != Kind::Line && control.kind != Kind::Option)
            widget->setGeometry(twipsRect(control.place.left, control.place.top,
                                          control.place.width, control.place.height));
        if (auto* label = qobject_cast<Label*>(widget); label && control.room)
            label->setRoom(twipsRect(control.room->left, control.room->top, control.room->width,
                                     control.room->height));
        if (!control.toolTip.isEmpty())
            widget->setToolTip(control.toolTip);
        if (!control.accessibleName.isEmpty() && control.kind != Kind::Label)
            widget->setAccessibleName(control.accessibleName);
        widget->setProperty("causesValidation", !(control.roles & NoValidation));
        if (control.roles & Hidden)
            widget->setVisible(false);
        if (control.roles & Default)
            screen.defaultButton_ = qobject_cast<QPushButton*>(widget);
        if (control.roles & Cancel)
            screen.cancelButton_ = qobject_cast<QPushButton*>(widget);
        if (auto* option = qobject_cast<OptionButton*>(widget)) {
            if (screen.options_.size() <= static_cast<size_t>(option->index()))
                screen.options_.resize(option->index() + 1);
            screen.options_[option->index()] = option;
        }
        const QChar key = accessKeyOf(control.text);
        if (!key.isNull() && control.kind != Kind::Option)
            screen.accessKeys_.insert(widget, key);
        if (control.tab >= 0)
            tabbed.emplace_back(control.tab, widget);
        screen.controls_.insert(control.name, widget);
        widget->installEventFilter(&screen);
    }
    std::sort(tabbed.begin(), tabbed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [tab, widget] : tabbed)
        screen.tabOrder_.push_back(widget);

    QWidget* previous = nullptr;
    for (QWidget* widget : screen.tabOrder_) {
        if (qobject_cast<QLabel*>(widget)) {
            widget->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    // A label's access key moves the focus to the next control after it.
    for (QWidget* widget : screen.tabOrder_) {
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && screen.accessKeys_.contains(label))
            label->setBuddy(screen.nextFocusable(label, true));
    }
    screen.installEventFilter(&screen);
}

} // namespace lexitor::screens
