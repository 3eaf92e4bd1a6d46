#include "screens/ScreenBuilder.h"

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
        QFont::insertSubstitutions("Lucida Handwriting", {"Z003", "URW Chancery L", "DejaVu Serif"});
        QFont::insertSubstitutions("Papyrus", {"URW Bookman", "P052", "DejaVu Serif"});
        QFont::insertSubstitutions("News Gothic MT",
                                   {"Liberation Sans Narrow", "Liberation Sans", "DejaVu Sans"});
        return true;
    }();
    (void)installed;
}

namespace {

void applyColours(QWidget* widget, const ControlSpec& spec) {
    QPalette palette = widget->palette();
    if (spec.foreground) {
        palette.setColor(QPalette::WindowText, QColor(*spec.foreground));
        palette.setColor(QPalette::ButtonText, QColor(*spec.foreground));
    }
    if (spec.background) {
        palette.setColor(QPalette::Window, QColor(*spec.background));
        palette.setColor(QPalette::Button, QColor(*spec.background));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void applyFont(QWidget* widget, const ControlSpec& spec) {
    QFont font = widget->font();
    if (!spec.font.family.isEmpty()) {
        font.setFamily(spec.font.family);
        font.setPointSizeF(spec.font.points);
    }
    font.setUnderline(spec.roles & Underline);
    widget->setFont(font);
}

QWidget* makeControl(Screen& screen, const ControlSpec& spec) {
    switch (spec.kind) {
    case Kind::Label: {
        auto* label = new Label(spec.roles, &screen);
        label->QLabel::setText(spec.text);
        if (spec.picture == Picture::HelpCursor)
            label->setCursor(cursorFor(spec.picture));
        return label;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(&screen);
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setText(spec.text);
        box->setReadOnly(spec.roles & ReadOnly);
        // A text put in by the program shows from its start, not its end.
        QObject::connect(box, &QLineEdit::textChanged, box, [box] {
            if (!box->hasFocus())
                box->setCursorPosition(0);
        });
        if (spec.roles & Password) {
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
        if (spec.kind == Kind::PictureButton) {
            const QPixmap picture = pictureFor(spec.picture);
            button->setIcon(picture);
            button->setIconSize(picture.size());
        } else {
            button->setText(spec.text);
        }
        return button;
    }
    case Kind::Option: {
        const int index = spec.name.section('(', 1).section(')', 0, 0).toInt();
        auto* option = new OptionButton(index, &screen);
        option->setCaption(spec.text);
        return option;
    }
    case Kind::Line:
        return new Line(twipsPoint(spec.place.left, spec.place.top),
                        twipsPoint(spec.place.width, spec.place.height),
                        QColor(spec.foreground.value_or(0)), spec.lineWidth, &screen);
    }
    return nullptr;
}

} // namespace

void ScreenBuilder::build(Screen& screen) {
    installFontSubstitutes();
    const ScreenSpec& spec = screen.spec_;
    screen.setObjectName(spec.name);
    screen.setWindowTitle(spec.title);
    screen.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    if (spec.icon != WindowIcon::None)
        screen.setWindowIcon(windowIconFor(spec.icon));
    if (spec.background) {
        QPalette palette = screen.palette();
        palette.setColor(QPalette::Window, QColor(*spec.background));
        screen.setPalette(palette);
        screen.setAutoFillBackground(true);
    }
    screen.backgroundPicture_ = pictureFor(spec.backgroundPicture);

    const QSize client = twipsSize(spec.clientWidth, spec.clientHeight);
    switch (spec.border) {
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
    for (const ControlSpec& control : spec.controls) {
        QWidget* widget = makeControl(screen, control);
        widget->setObjectName(control.name);
        applyFont(widget, control);
        applyColours(widget, control);
        if (control.kind != Kind::Line)
            widget->setGeometry(twipsRect(control.place.left, control.place.top,
                                          control.place.width, control.place.height));
        if (!control.toolTip.isEmpty())
            widget->setToolTip(control.toolTip);
        if (!control.accessibleName.isEmpty())
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
        if (auto* label = qobject_cast<QLabel*>(widget); label && screen.accessKeys_.contains(label))
            label->setBuddy(screen.nextFocusable(label, true));
    }
    // Autosized captions fit the face actually used, which may be a
    // substitute wider or narrower than the one the layout was drawn with.
    for (const ControlSpec& control : spec.controls) {
        if (control.kind == Kind::Label && (control.roles & AutoSize))
            screen.label(control.name)->setText(control.text);
    }
    screen.installEventFilter(&screen);
}

} // namespace lexitor::screens
