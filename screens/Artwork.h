#pragma once
// Looks up the program's drawn pictures by their role in a screen table.

#include "screens/ScreenTable.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace lexitor::screens {

QPixmap pictureFor(Picture picture);
QIcon windowIconFor(WindowIcon icon);
QCursor cursorFor(Picture picture);

} // namespace lexitor::screens
