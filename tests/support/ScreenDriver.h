#pragma once
// Driving screens in tests as a user does: through the main menu, with
// real key presses, and cleaning up what unloading leaves for later. A
// screen not made yet is made with the services given.

#include "app/Form2.h"
#include "screens/ScreenRefs.h"

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

namespace lexitor::testing {

// The screens and their references by their own names: Form2, refs::get ...
using namespace app;
using namespace screens;

// Destroys the screens that were unloaded (they go on the next event-loop turn).
inline void deleteUnloaded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Unloads every screen and destroys them, so the next test starts clean.
inline void releaseScreens() {
    refs::releaseAll();
    deleteUnloaded();
}

// Types `text` into an emptied box with real key presses.
inline void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Shows a screen, active.
template <typename T> T& showActive(const Services& services) {
    T& screen = refs::get<T>(services);
    screen.showScreen();
    QApplication::setActiveWindow(&screen);
    return screen;
}

inline Form2& showMenu(const Services& services) { return showActive<Form2>(services); }

// Shows the main menu, clicks one of its buttons and returns the screen it opens.
template <typename T>
T& fromMenu(const Services& services, QPushButton* Form2Controls::*button) {
    QTest::mouseClick(showMenu(services).ui.*button, Qt::LeftButton);
    T& screen = refs::get<T>(services);
    QApplication::setActiveWindow(&screen);
    return screen;
}

// Shown controls reaching outside the window, and pairs whose boxes meet.
// Lines, which take no click, are drawn between controls and left out.
inline QStringList overlaps(const QWidget* screen) {
    QList<const QWidget*> shown;
    for (const QWidget* child : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(screen) && !child->testAttribute(Qt::WA_TransparentForMouseEvents))
            shown.append(child);
    }
    QStringList found;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!screen->rect().contains(shown[i]->geometry()))
            found.append(shown[i]->objectName() + " outside");
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                found.append(shown[i]->objectName() + "/" + shown[j]->objectName());
        }
    }
    return found;
}

} // namespace lexitor::testing
