#pragma once
// The base of every screen: builds the window and its controls from the
// screen's table and gives them the roles a layout cannot say: default and
// cancel buttons, access keys, focus validation, autosized labels, and what
// closing the window does. ScreenWith<C> adds the screen's controls as the
// typed members of C. A screen keeps the services it was made with and
// shows its messages and errors through them.

#include "screens/Fatal.h"
#include "screens/Label.h"
#include "screens/Line.h"
#include "screens/OptionButton.h"
#include "screens/ScreenBuilder.h"
#include "screens/ScreenTable.h"
#include "screens/Services.h"

#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace lexitor::screens {

class Screen : public QWidget {
    Q_OBJECT
public:
    ~Screen() override;

    // Shows the screen modeless. The first show runs the load handler
    // before the screen becomes visible; a load that unloads the screen
    // leaves it hidden.
    void showScreen();
    void hideScreen() { hide(); }
    bool isUnloaded() const { return unloaded_; }
    void markUnloaded() { unloaded_ = true; }

    QPushButton* defaultButton() const { return built_.defaultButton; }
    QPushButton* cancelButton() const { return built_.cancelButton; }
    // Every control with a tab position, in tab order (labels included).
    const std::vector<QWidget*>& tabOrder() const { return built_.tabOrder; }

    // Presses a button as Enter or a click would: the focus validation of
    // the control being left runs first and may refuse.
    bool pressButton(QAbstractButton* button);

    // What the screen was made with; the screens it opens get the same.
    const Services& services() const { return services_; }

protected:
    Screen(const ScreenLayout& layout, const Services& services);

    int MsgBox(const QString& text, int code = vbOKOnly, const QString& title = {}) const {
        return screens::MsgBox(services_, text, code, title);
    }
    // Runs a handler: an error it raises is fatal, or shown where the store
    // recovered from it.
    template <typename Handler> void guarded(Handler&& handler) const noexcept {
        screens::guarded(services_, std::forward<Handler>(handler));
    }

    // The controls in the order of the table's rows.
    const std::vector<QWidget*>& controlsInRowOrder() const { return built_.rows; }

    virtual void Form_Load() {}
    // The window is being closed from its title bar or the window manager:
    // each screen does what its own way out does.
    virtual void closeRequested() = 0;

    // `validate` returns false to keep the focus in `control`.
    void setValidation(QWidget* control, std::function<bool()> validate);

    // Connects a button's click to a handler of the derived screen. The
    // handler runs guarded: an error it raises is fatal.
    template <typename S> void onClick(QAbstractButton* button, void (S::*handler)()) {
        S* self = static_cast<S*>(this);
        connect(button, &QAbstractButton::clicked, this,
                [this, self, handler] { guarded([&] { (self->*handler)(); }); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool handleKey(QKeyEvent* key);
    bool validates(const QWidget* from, const QWidget* target) const;
    bool mayFocusMoveTo(QWidget* target);
    void focusArrived(QWidget* target, Qt::FocusReason reason);
    QWidget* accessKeyTarget(const QKeyEvent* key) const;
    QWidget* nextFocusable(QWidget* from, bool forward) const;
    void placeOnFirstShow();

    const Services services_;
    const BuiltWindow window_;
    const BuiltControls built_;
    QHash<const QWidget*, std::function<bool()>> validators_;
    // Keys validate before they move the focus; a click moves it first, so
    // it is validated on arrival, and swallowed if refused.
    QPointer<QWidget> leaving_;
    QPointer<QWidget> refusedTarget_;
    bool loaded_ = false;
    bool shownBefore_ = false;
    bool unloaded_ = false;
};

// A screen whose controls are the typed members of C, filled once when the
// screen is built from its table, as uic's Ui classes are.
template <typename C> class ScreenWith : public Screen {
public:
    const C ui;

protected:
    ScreenWith(const ScreenTable<C>& table, const Services& services)
        : Screen(table.layout(), services), ui(table.controls(controlsInRowOrder())) {}
};

} // namespace lexitor::screens
