#pragma once
// The base of every screen: builds the window and its controls from the
// screen's table and gives them the roles a layout cannot say: default and
// cancel buttons, access keys, focus validation, autosized labels, and what
// closing the window does.

#include "screens/Fatal.h"
#include "screens/Label.h"
#include "screens/OptionButton.h"
#include "screens/ScreenTable.h"

#include <QHash>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <vector>

namespace lexitor::screens {

class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(const ScreenLayout& design);
    ~Screen() override;

    const ScreenLayout& design() const { return design_; }

    // Shows the screen modeless. The first show runs the load handler
    // before the screen becomes visible; a load that unloads the screen
    // leaves it hidden.
    void showScreen();
    void hideScreen() { hide(); }
    bool isUnloaded() const { return unloaded_; }
    void markUnloaded() { unloaded_ = true; }

    QWidget* control(const QString& name) const { return controls_.value(name); }
    QLineEdit* textBox(const QString& name) const;
    QPushButton* button(const QString& name) const;
    Label* label(const QString& name) const;
    OptionButton* option(int index) const;

    QPushButton* defaultButton() const { return defaultButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    // Every control with a tab position, in tab order (labels included).
    const std::vector<QWidget*>& tabOrder() const { return tabOrder_; }

    // Presses a button as Enter or a click would: the focus validation of
    // the control being left runs first and may refuse.
    bool pressButton(QAbstractButton* button);

protected:
    virtual void Form_Load() {}
    // The window is being closed from its title bar or the window manager:
    // each screen does what its own way out does.
    virtual void closeRequested() = 0;

    // `validate` returns false to keep the focus in `control`.
    void setValidation(QWidget* control, std::function<bool()> validate);

    // Connects a button's click to a handler of the derived screen. The
    // handler runs guarded: an error it raises is fatal.
    template <typename S> void onClick(const QString& buttonName, void (S::*handler)()) {
        S* self = static_cast<S*>(this);
        connect(button(buttonName), &QAbstractButton::clicked, this,
                [self, handler] { guarded([&] { (self->*handler)(); }); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class ScreenBuilder;

    bool handleKey(QKeyEvent* key);
    bool mayFocusMoveTo(QWidget* target);
    void focusArrived(QWidget* target, Qt::FocusReason reason);
    QWidget* accessKeyTarget(const QKeyEvent* key) const;
    QWidget* nextFocusable(QWidget* from, bool forward) const;
    void placeOnFirstShow();

    const ScreenLayout& design_;
    QHash<QString, QWidget*> controls_;
    std::vector<QWidget*> tabOrder_;
    std::vector<OptionButton*> options_;
    QHash<QWidget*, QChar> accessKeys_;
    QHash<QWidget*, std::function<bool()>> validators_;
    // Keys validate before they move the focus; a click moves it first, so
    // it is validated on arrival, and swallowed if refused.
    QPointer<QWidget> leaving_;
    QPointer<QWidget> refusedTarget_;
    QPushButton* defaultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPixmap backgroundPicture_;
    bool loaded_ = false;
    bool shownBefore_ = false;
    bool unloaded_ = false;
};

// The access key of a caption: the character after a single "&".
QChar accessKeyOf(const QString& caption);

} // namespace lexitor::screens
