#pragma once
// The program's pictures, icons and cursor. Every one is drawn here with
// QPainter at its exact pixel size, so no image file has to be shipped or
// kept in step with the code; `ratio` is the device pixel ratio to draw
// for (2 draws each picture with twice the pixels in each direction). All
// of them need a QGuiApplication.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QSize>

namespace lexitor::screens {

enum class MenuButton { AddWords, EditWords, TakeTest, Exit };

// The main menu's button pictures are drawn on this grey, which is then made
// transparent so the button's own white face shows through.
inline constexpr QRgb kTransparentGrey = 0xFFE0E0E0;

// Background of the main menu, drawn from its top-left corner: 366 x 240.
QPixmap menuBackground(qreal ratio = 1);

// Picture of one main-menu button, with alpha where the grey was.
QSize menuButtonPictureSize(MenuButton which);
QPixmap menuButtonPicture(MenuButton which, qreal ratio = 1);

QIcon menuIcon(qreal ratio = 1);       // main menu window: 16 and 32
QIcon addRecordsIcon(qreal ratio = 1); // "Add Records": 16 and 32
QIcon editIcon(qreal ratio = 1);       // login and editor: 16 and 32
QIcon chooserIcon(qreal ratio = 1);    // level chooser: 32
QIcon applicationIcon();               // desktop entry and task bar: 16 to 256

// One size of the application icon, for writing it out as a file.
QImage applicationIconImage(int size);

// Pointer over the main menu's "?": 32 x 32, hot spot at the fingertip (12, 1).
QCursor helpCursor(qreal ratio = 1);

} // namespace lexitor::screens
