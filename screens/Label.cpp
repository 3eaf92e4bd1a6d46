#include "screens/Label.h"

#include "screens/ScreenTable.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace lexitor::screens {

Label::Label(unsigned roles, QWidget* parent)
    : QLabel(parent), autoSize_(roles & AutoSize),
      wordWrap_((roles & AutoSize) && (roles & WordWrap)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(wordWrap_);
}

void Label::setText(const QString& text) {
    fitWhenDrawn_ = false;
    QLabel::setText(text);
    fit();
}

void Label::setDesignCaption(const QString& text) {
    QLabel::setText(text);
    fitWhenDrawn_ = autoSize_;
}

void Label::paintEvent(QPaintEvent* event) {
    if (std::exchange(fitWhenDrawn_, false))
        fit();
    QLabel::paintEvent(event);
}

void Label::fit() {
    if (!autoSize_)
        return;
    if (!wordWrap_) {
        resize(sizeHint());
        return;
    }
    // Keep the width and grow downwards; only a single word wider than the
    // label widens it. A text that would then run off the bottom of the
    // screen may take the room up to the next control on its right, and is
    // drawn smaller as a last resort: a shown text is never cut off.
    if (!designFont_)
        designFont_ = font();
    QFont drawn = *designFont_;
    int width = std::max(this->width(), widestWord(drawn) + 2 * margin() + 2);
    const QRect room = roomToGrow();
    if (y() + heightFor(drawn, width) > room.bottom())
        width = std::max(width, room.right() - x());
    while (y() + heightFor(drawn, width) > room.bottom() && drawn.pointSizeF() > kSmallestPoints)
        drawn.setPointSizeF(drawn.pointSizeF() - 0.5);
    setFont(drawn);
    resize(width, heightFor(drawn, width));
}

int Label::widestWord(const QFont& font) const {
    const QFontMetrics metrics(font);
    int widest = 0;
    const auto words = text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words)
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

int Label::heightFor(const QFont& font, int width) const {
    const QFontMetrics metrics(font);
    const int inner = std::max(1, width - 2 * margin());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, inner, 1 << 20), Qt::TextWordWrap, text());
    return std::max(needed.height(), metrics.height()) + 2 * margin();
}

// Right: the nearest control to the right on the label's first line, else
// the screen's edge; bottom: the screen's bottom edge.
QRect Label::roomToGrow() const {
    const QWidget* screen = parentWidget();
    if (!screen)
        return QRect(pos(), QSize(1 << 20, 1 << 20));
    int right = screen->width() - kEdge;
    const int firstLine = QFontMetrics(font()).height();
    for (const QObject* child : screen->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == this || sibling->x() <= x())
            continue;
        if (sibling->y() < y() + firstLine && sibling->y() + sibling->height() > y())
            right = std::min(right, sibling->x() - kEdge);
    }
    return QRect(QPoint(x(), y()), QPoint(right, screen->height() - kEdge));
}

} // namespace lexitor::screens
