#include "screens/Line.h"

#include <QPainter>

#include <algorithm>

namespace lexitor::screens {

Line::Line(QPoint from, QPoint to, QColor colour, int width, QWidget* parent)
    : QWidget(parent), from_(from), to_(to), colour_(colour) {
    const int half = width / 2;
    const QRect span = QRect(from, to).normalized();
    setGeometry(span.left() - half, span.top() - half, std::max(span.width(), width),
                std::max(span.height(), width));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

} // namespace lexitor::screens
