#include "screens/Screen.h"

#include "screens/ScreenBuilder.h"
#include "screens/Twips.h"
#include "store/Engine.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace lexitor::screens {

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

Screen::Screen(const ScreenLayout& design) : design_(design) {
    ScreenBuilder::build(*this);
}

// The QWidget part still moves the focus while it tears the controls down,
// after this part is gone: stop watching them first.
Screen::~Screen() {
    for (QWidget* widget : std::as_const(controls_))
        widget->removeEventFilter(this);
    removeEventFilter(this);
}

QLineEdit* Screen::textBox(const QString& name) const {
    return qobject_cast<QLineEdit*>(control(name));
}
QPushButton* Screen::button(const QString& name) const {
    return qobject_cast<QPushButton*>(control(name));
}
Label* Screen::label(const QString& name) const {
    return qobject_cast<Label*>(control(name));
}
OptionButton* Screen::option(int index) const {
    return index >= 0 && static_cast<size_t>(index) < options_.size() ? options_[index] : nullptr;
}

void Screen::showScreen() {
    if (!loaded_) {
        loaded_ = true;
        try {
            Form_Load();
        } catch (const store::RecoverableError& error) {
            // Half loaded, a screen cannot be shown, nor the menu shown again.
            throw store::EngineError(error.what());
        }
        if (unloaded_)
            return;
    }
    if (!shownBefore_)
        placeOnFirstShow();
    show();
    raise();
    activateWindow();
    if (!shownBefore_) {
        shownBefore_ = true;
        // The visible, enabled control with the lowest tab position.
        for (QWidget* widget : tabOrder_) {
            if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(this) &&
                widget->isEnabled()) {
                widget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

void Screen::placeOnFirstShow() {
    const QScreen* display = QGuiApplication::primaryScreen();
    if (!display)
        return;
    if (design_.fixedPlace) {
        setGeometry(QRect(
            QPoint(twipsToPixels(design_.fixedPlace->left), twipsToPixels(design_.fixedPlace->top)),
            size()));
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
}

void Screen::setValidation(QWidget* control, std::function<bool()> validate) {
    validators_.insert(control, std::move(validate));
}

bool Screen::mayFocusMoveTo(QWidget* target) {
    QWidget* from = focusWidget();
    if (!from || from == target || !target || !validators_.contains(from))
        return true;
    if (!target->property("causesValidation").toBool())
        return true;
    bool allowed = true;
    guarded([&] { allowed = validators_.value(from)(); });
    return allowed;
}

void Screen::focusArrived(QWidget* target, Qt::FocusReason reason) {
    QWidget* from = leaving_;
    leaving_ = nullptr;
    // Keys have validated before moving the focus, and code that moves it
    // is not checked: only a click is validated here.
    if (reason != Qt::MouseFocusReason || !from || from == target || !validators_.contains(from) ||
        !target->property("causesValidation").toBool())
        return;
    bool allowed = true;
    guarded([&] { allowed = validators_.value(from)(); });
    if (!allowed) {
        refusedTarget_ = target;
        from->setFocus(Qt::OtherFocusReason);
    }
}

bool Screen::pressButton(QAbstractButton* button) {
    if (!button || !button->isEnabled() || !button->isVisibleTo(this))
        return false;
    if (!mayFocusMoveTo(button))
        return false;
    button->click();
    return true;
}

QWidget* Screen::nextFocusable(QWidget* from, bool forward) const {
    const auto count = static_cast<qsizetype>(tabOrder_.size());
    const auto start = std::find(tabOrder_.begin(), tabOrder_.end(), from) - tabOrder_.begin();
    if (start >= count)
        return nullptr;
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype i = ((start + (forward ? step : -step)) % count + count) % count;
        QWidget* candidate = tabOrder_[i];
        if (candidate != from && candidate->focusPolicy() & Qt::TabFocus &&
            candidate->isEnabled() && candidate->isVisibleTo(this))
            return candidate;
    }
    return nullptr;
}

QWidget* Screen::accessKeyTarget(const QKeyEvent* key) const {
    if (key->modifiers() != Qt::AltModifier || key->text().isEmpty())
        return nullptr;
    const QString keyName = QKeySequence(key->key()).toString();
    if (keyName.size() != 1)
        return nullptr;
    const QChar pressed = keyName[0].toUpper();
    for (QWidget* widget : tabOrder_) {
        if (accessKeys_.value(widget) != pressed || !widget->isVisibleTo(this))
            continue;
        if (qobject_cast<QLabel*>(widget))
            return nextFocusable(widget, true);
        if (widget->isEnabled())
            return widget;
    }
    return nullptr;
}

bool Screen::handleKey(QKeyEvent* key) {
    if (QWidget* target = accessKeyTarget(key)) {
        if (!mayFocusMoveTo(target))
            return true;
        target->setFocus(Qt::ShortcutFocusReason);
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->click();
        return true;
    }
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers != Qt::NoModifier)
            return false;
        // The default button takes Enter anywhere on its screen; a screen
        // without one lets Enter press the button that has the focus.
        if (defaultButton_) {
            pressButton(defaultButton_);
            return true;
        }
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
            pressButton(focused);
            return true;
        }
        return false;
    case Qt::Key_Escape:
        // Esc moves no focus, so the box it is pressed in is not validated:
        // it leaves the screen whatever that box holds.
        if (cancelButton_ && modifiers == Qt::NoModifier) {
            if (cancelButton_->isEnabled() && cancelButton_->isVisibleTo(this))
                cancelButton_->click();
            return true;
        }
        return false;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (!validators_.contains(focusWidget()))
            return false;
        const bool forward = key->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        return !mayFocusMoveTo(nextFocusable(focusWidget(), forward));
    }
    default:
        return false;
    }
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Access keys are ours: they follow the tab order, as the screens
        // were designed, rather than Qt's shortcut map.
        if (accessKeyTarget(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (watched == focusWidget() || watched == this)
            return handleKey(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusOut:
        if (validators_.contains(static_cast<QWidget*>(watched)))
            leaving_ = static_cast<QWidget*>(watched);
        break;
    case QEvent::FocusIn:
        if (watched != this)
            focusArrived(static_cast<QWidget*>(watched),
                         static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == refusedTarget_)
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (watched == refusedTarget_) {
            refusedTarget_ = nullptr;
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Screen::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!unloaded_)
        guarded([this] { closeRequested(); });
}

void Screen::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!backgroundPicture_.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, backgroundPicture_);
    }
}

} // namespace lexitor::screens
