#include "screens/Label.h"

#include "screens/ScreenTable.h"

#include <QAccessible>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace lexitor::screens {

Label::Label(unsigned roles, QWidget* parent)
    : QLabel(parent), autoSize_(roles & AutoSize),
      wordWrap_((roles & AutoSize) && (roles & WordWrap)), live_(roles & Live) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(wordWrap_);
}

void Label::setText(const QString& text) {
    fitWhenDrawn_ = false;
    QLabel::setText(text);
    fit();
    if (live_ && !isHidden())
        announce();
}

void Label::setDesignCaption(const QString& text) {
    QLabel::setText(text);
    showsData_ = text.isEmpty();
    fitWhenDrawn_ = autoSize_;
}

QString Label::accessibleText() const {
    QString shown = text();
    if (!showsData_) // a caption's "&" marks its access key
        shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (purpose_.isEmpty())
        return shown;
    if (!showsData_ || shown.isEmpty())
        return purpose_;
    return purpose_ + QStringLiteral(": ") + shown;
}

// Screen readers read out a notification as it is shown.
void Label::announce() {
    if (isHidden()) {
        show(); // Qt tells of a widget being shown
    } else {
        QAccessibleEvent event(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
    emit announced();
}

void Label::paintEvent(QPaintEvent* event) {
    if (std::exchange(fitWhenDrawn_, false))
        fit();
    if (!wordWrap_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    drawWrapped(painter, shown_, rect());
}

// Keeps its width and grows downwards; only a single word wider than the
// label widens it. A text that would then run into another control or off
// the screen takes the room up to the next control on its right, and is
// cut where even that room ends.
void Label::fit() {
    if (!autoSize_)
        return;
    if (!wordWrap_) {
        resize(sizeHint());
        return;
    }
    const QRect room = roomToGrow();
    int width = std::clamp(std::max(this->width(), widestWord() + 2), 1, room.width());
    shown_ = wrapText(text(), font(), width, room.height());
    if (shown_.cut && width < room.width()) {
        width = room.width();
        shown_ = wrapText(text(), font(), width, room.height());
    }
    resize(width, shown_.height());
    const QString whole = shown_.cut ? text() : QString();
    setToolTip(whole);
    setAccessibleDescription(whole);
    update();
}

int Label::widestWord() const {
    const QFontMetrics metrics(font());
    int widest = 0;
    const auto words = text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words)
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// From the label's place: right to the nearest shown control beside its
// first line, else the screen's edge; down to the nearest shown control
// below that, else the screen's bottom edge.
QRect Label::roomToGrow() const {
    const QWidget* screen = parentWidget();
    if (!screen)
        return QRect(pos(), QSize(1 << 20, 1 << 20));
    QList<QRect> others;
    for (const QObject* child : screen->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling && sibling != this && sibling->isVisibleTo(screen))
            others.append(sibling->geometry());
    }
    const int firstLine = QFontMetrics(font()).lineSpacing();
    int right = screen->width() - 1 - kGap;
    for (const QRect& other : std::as_const(others)) {
        if (other.left() > x() && other.top() < y() + firstLine && other.bottom() >= y())
            right = std::min(right, other.left() - 1 - kGap);
    }
    int bottom = screen->height() - 1 - kGap;
    for (const QRect& other : std::as_const(others)) {
        if (other.top() > y() && other.left() <= right && other.right() >= x())
            bottom = std::min(bottom, other.top() - 1 - kGap);
    }
    return QRect(QPoint(x(), y()), QPoint(std::max(x(), right), std::max(y(), bottom)));
}

} // namespace lexitor::screens
