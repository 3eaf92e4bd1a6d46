#include "screens/Screen.h"

#include "store/Engine.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace lexitor::screens {

Screen::Screen(const ScreenLayout& layout, const Services& services)
    : services_(services), window_(buildWindow(*this, layout.window)),
      built_(buildControls(*this, layout.controls)) {
    installEventFilter(this);
}

// The QWidget part still moves the focus while it tears the controls down,
// after this part is gone: stop watching them first.
Screen::~Screen() {
    for (QWidget* widget : built_.rows)
        widget->removeEventFilter(this);
    removeEventFilter(this);
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
        for (QWidget* widget : built_.tabOrder) {
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
    if (window_.fixedPlace) {
        setGeometry(QRect(*window_.fixedPlace, size()));
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
}

void Screen::setValidation(QWidget* control, std::function<bool()> validate) {
    validators_.insert(control, std::move(validate));
}

// Whether moving the focus from `from` to `target` runs from's validation.
bool Screen::validates(const QWidget* from, const QWidget* target) const {
    return from && target && from != target && validators_.contains(from) &&
           !built_.noValidation.contains(target);
}

bool Screen::mayFocusMoveTo(QWidget* target) {
    QWidget* from = focusWidget();
    if (!validates(from, target))
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
    if (reason != Qt::MouseFocusReason || !validates(from, target))
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
    return screens::nextFocusable(built_.tabOrder, from, forward, this);
}

QWidget* Screen::accessKeyTarget(const QKeyEvent* key) const {
    if (key->modifiers() != Qt::AltModifier || key->text().isEmpty())
        return nullptr;
    const QString keyName = QKeySequence(key->key()).toString();
    if (keyName.size() != 1)
        return nullptr;
    const QChar pressed = keyName[0].toUpper();
    for (QWidget* widget : built_.tabOrder) {
        if (built_.accessKeys.value(widget) != pressed || !widget->isVisibleTo(this))
            continue;
        if (qobject_cast<Label*>(widget))
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
        if (built_.defaultButton) {
            pressButton(built_.defaultButton);
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
        if (built_.cancelButton && modifiers == Qt::NoModifier) {
            if (built_.cancelButton->isEnabled() && built_.cancelButton->isVisibleTo(this))
                built_.cancelButton->click();
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
    if (!window_.backgroundPicture.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, window_.backgroundPicture);
    }
}

} // namespace lexitor::screens
