#include "screens/Label.h"

#include "screens/ScreenTable.h"

#include <QAccessible>
#include <QFontInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <optional>
#include <utility>

namespace lexitor::screens {

namespace {

// The narrow variant of the face `font` is shown in ("Liberation Sans Narrow"
// beside "Liberation Sans"), at the same size; none where the system has none.
std::optional<QFont> narrowVariant(const QFont& font) {
    const QString family = QFontInfo(font).family();
    for (const QLatin1String width : {QLatin1String(" Narrow"), QLatin1String(" Condensed")}) {
        QFont narrow = font;
        narrow.setFamily(family + width);
        if (QFontInfo(narrow).family() == narrow.family())
            return narrow;
    }
    return std::nullopt;
}

} // namespace

Label::Label(unsigned roles, QWidget* parent)
    : QWidget(parent), autoSize_(roles & AutoSize),
      wordWrap_((roles & AutoSize) && (roles & WordWrap)), live_(roles & Live) {}

void Label::setText(const QString& text) {
    fitWhenDrawn_ = false;
    text_ = text;
    update();
    fit();
    if (live_ && !isHidden())
        announce();
}

void Label::setDesignCaption(const QString& text) {
    text_ = text;
    update();
    showsData_ = text.isEmpty();
    fitWhenDrawn_ = autoSize_;
}

void Label::setBuddy(QWidget* buddy) {
    buddy_ = buddy;
    update();
}

// Plain text from the top left; the "&" of a label with a buddy marks its
// access key, drawn underlined where the style underlines access keys.
int Label::drawingFlags() const {
    int flags = Qt::AlignLeft | Qt::AlignTop;
    if (buddy_ && text_.contains(QLatin1Char('&'))) {
        QStyleOption option;
        option.initFrom(this);
        flags |= Qt::TextShowMnemonic;
        if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
            flags |= Qt::TextHideMnemonic;
    }
    return flags;
}

QSize Label::sizeHint() const {
    return fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), drawingFlags(), text_).size();
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

void Label::paintEvent(QPaintEvent* /*event*/) {
    if (std::exchange(fitWhenDrawn_, false))
        fit();
    QPainter painter(this);
    if (!wordWrap_) {
        QStyleOption option;
        option.initFrom(this);
        const int direction = text_.isRightToLeft() ? Qt::TextForceRightToLeft
                                                    : Qt::TextForceLeftToRight;
        style()->drawItemText(&painter, rect(), drawingFlags() | direction, option.palette,
                              isEnabled(), text_, foregroundRole());
        return;
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    drawWrapped(painter, shown_, rect());
}

// Keeps its width and grows downwards; only a single word wider than the
// label widens it. A text that would then run into another control or off
// the screen takes the room up to the next control on its right; then, if
// the label has a room of its own, that room; then the same in the narrow
// face; and is cut where the room ends.
void Label::fit() {
    if (!autoSize_)
        return;
    if (!wordWrap_) {
        resize(sizeHint());
        return;
    }
    QRect box = fitIn(font());
    if (shown_.cut) {
        if (const auto narrow = narrowVariant(font()))
            box = fitIn(*narrow);
    }
    setGeometry(box);
    const QString whole = shown_.cut ? text() : QString();
    setToolTip(whole);
    setAccessibleDescription(whole);
    update();
}

void Label::setRoom(const QRect& room) {
    home_ = pos();
    room_ = room;
}

QRect Label::fitIn(const QFont& face) {
    const QPoint place = room_.isValid() ? home_ : pos();
    const QRect box = fitFrom(place, roomToGrow(place), width(), face);
    if (!shown_.cut || !room_.isValid())
        return box;
    return fitFrom(room_.topLeft(), roomToGrow(room_.topLeft()) & room_, room_.width(), face);
}

QRect Label::fitFrom(QPoint place, const QRect& room, int width, const QFont& face) {
    width = std::clamp(std::max(width, widestWord(face) + 2), 1, std::max(1, room.width()));
    shown_ = wrapText(text(), face, width, room.height());
    if (shown_.cut && width < room.width()) {
        width = room.width();
        shown_ = wrapText(text(), face, width, room.height());
    }
    return QRect(place, QSize(width, shown_.height()));
}

int Label::widestWord(const QFont& face) const {
    const QFontMetrics metrics(face);
    int widest = 0;
    const auto words = text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words)
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// From `place`: right to the nearest shown control beside the first line,
// else the screen's edge; down to the nearest shown control below that,
// else the screen's bottom edge.
QRect Label::roomToGrow(QPoint place) const {
    const QWidget* screen = parentWidget();
    if (!screen)
        return QRect(place, QSize(1 << 20, 1 << 20));
    QList<QRect> others;
    for (const QObject* child : screen->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling && sibling != this && sibling->isVisibleTo(screen))
            others.append(sibling->geometry());
    }
    const int firstLine = QFontMetrics(font()).lineSpacing();
    int right = screen->width() - 1 - kGap;
    for (const QRect& other : std::as_const(others)) {
        if (other.left() > place.x() && other.top() < place.y() + firstLine &&
            other.bottom() >= place.y())
            right = std::min(right, other.left() - 1 - kGap);
    }
    int bottom = screen->height() - 1 - kGap;
    for (const QRect& other : std::as_const(others)) {
        if (other.top() > place.y() && other.left() <= right && other.right() >= place.x())
            bottom = std::min(bottom, other.top() - 1 - kGap);
    }
    return QRect(place, QPoint(std::max(place.x(), right), std::max(place.y(), bottom)));
}

} // namespace lexitor::screens
