#pragma once
// Looks up the program's drawn pictures by their role in a screen table, for
// the device pixel ratio of the screen they are shown on.

#include "screens/ScreenTable.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace lexitor::screens {

QPixmap pictureFor(Picture picture, qreal ratio = 1);
QIcon windowIconFor(WindowIcon icon, qreal ratio = 1);
QCursor cursorFor(Picture picture, qreal ratio = 1);

} // namespace lexitor::screens
