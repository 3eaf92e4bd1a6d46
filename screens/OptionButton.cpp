#include "screens/OptionButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace lexitor::screens {

OptionButton::OptionButton(int index, QWidget* parent) : QRadioButton(parent), index_(index) {
    setAutoExclusive(false);
}

void OptionButton::setCaption(const QString& caption) {
    caption_ = caption;
    // The button's own text stays free of access keys; it serves
    // assistive technology.
    QRadioButton::setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    setAccessibleName(caption);
    update();
}

void OptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    const int indicatorHeight =
        style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this);
    option.rect = QRect(0, (height() - indicatorHeight) / 2, indicator, indicatorHeight);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);

    const QRect textRect = rect().adjusted(indicator + 4, 0, 0, 0);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setFont(fittingFont(textRect));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            painter
                .boundingRect(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                              caption_)
                .adjusted(-1, -1, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// A long meaning is drawn a little smaller rather than cut off, down to a
// size that stays legible.
QFont OptionButton::fittingFont(const QRect& box) const {
    QFont candidate = font();
    const qreal designed = candidate.pointSizeF();
    for (qreal points = designed; points >= kSmallestPoints; points -= 0.5) {
        candidate.setPointSizeF(points);
        const QRect needed = QFontMetrics(candidate).boundingRect(
            box, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption_);
        if (needed.height() <= box.height() && needed.width() <= box.width())
            return candidate;
    }
    return candidate;
}

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace lexitor::screens
