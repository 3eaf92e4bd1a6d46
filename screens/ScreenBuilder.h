#pragma once
// Builds a screen's window and controls from its layout, in three steps:
// the window, the controls (in the order of the table's rows) and the tab
// order. What a screen keeps of the build comes back as values.

#include "screens/ScreenTable.h"

#include <QChar>
#include <QHash>
#include <QPixmap>
#include <QPoint>
#include <QSet>

#include <optional>
#include <vector>

class QPushButton;
class QWidget;

namespace lexitor::screens {

struct BuiltWindow {
    QPixmap backgroundPicture;        // drawn for the window's device pixel ratio
    std::optional<QPoint> fixedPlace; // client top-left on the screen; else centred
};

struct BuiltControls {
    std::vector<QWidget*> rows;     // in the order of the table's rows
    std::vector<QWidget*> tabOrder; // every control with a tab position (labels too)
    QHash<const QWidget*, QChar> accessKeys;
    QSet<const QWidget*> noValidation; // focus arriving here validates nothing
    QPushButton* defaultButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

// Sets up `window` itself: name, title, border and size, font, colours, icon.
BuiltWindow buildWindow(QWidget& window, const WindowLayout& layout);
// Makes the controls as children of `window`, with their roles and tab order.
BuiltControls buildControls(QWidget& window, const std::vector<BuildRow>& rows);

// The next control after `from` in `tabOrder` that Tab would move to in
// `window`, wrapping round; nullptr when there is none.
QWidget* nextFocusable(const std::vector<QWidget*>& tabOrder, const QWidget* from, bool forward,
                       const QWidget* window);

// The access key of a caption: the character after a single "&".
QChar accessKeyOf(const QString& caption);

// Registers close substitutes for the named faces the screens use.
void installFontSubstitutes();

} // namespace lexitor::screens
