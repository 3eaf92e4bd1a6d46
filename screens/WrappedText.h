#pragma once
// Text broken into lines for a box: at word boundaries where it can be,
// inside a word only where the word is longer than a line, and cut with
// an ellipsis on the last line that fits when the whole text does not.

#include <QFont>
#include <QRect>
#include <QStringList>

class QPainter;

namespace lexitor::screens {

struct WrappedText {
    QFont font; // the face the lines are broken for, and drawn in
    QStringList lines;
    bool cut = false; // the last line ends in an ellipsis
    int lineHeight = 0;

    int height() const { return int(lines.size()) * lineHeight; }
};

// At most as many lines as `height` pixels hold, and always one.
WrappedText wrapText(const QString& text, const QFont& font, int width, int height);

// Draws the lines, in their face, from the top of `box` or centred in its height.
void drawWrapped(QPainter& painter, const WrappedText& text, const QRect& box,
                 bool centred = false);

} // namespace lexitor::screens
