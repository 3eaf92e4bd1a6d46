#include "screens/OptionButton.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace lexitor::screens {

// Each option is a tab stop of its own and is cleared after every answer,
// so none is exclusive; assistive technology still knows them as radio
// buttons (screens/Accessibility.cpp).
OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(false);
}

void OptionButton::setCaption(const QString& caption) {
    caption_ = caption;
    // The button's own text stays free of access keys; it serves
    // assistive technology.
    QRadioButton::setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    setAccessibleName(caption);
    fit();
}

void OptionButton::setBoxes(const QRect& designed, const QRect& room) {
    designed_ = designed;
    room_ = room;
    fit();
}

void OptionButton::fit() {
    QRect box = designed_.isValid() ? designed_ : geometry();
    WrappedText shown = wrapIn(box.size());
    if (shown.cut && room_.isValid()) {
        box = room_;
        shown = wrapIn(box.size());
    }
    shown_ = shown;
    setGeometry(box);
    const QString whole = shown_.cut ? caption_ : QString();
    setToolTip(whole);
    setAccessibleDescription(whole);
    update();
}

QRect OptionButton::textBox(const QSize& box) const {
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
    return QRect(QPoint(indicator + kTextGap, 0), box).adjusted(0, 0, -indicator - kTextGap, 0);
}

WrappedText OptionButton::wrapIn(const QSize& box) const {
    const QRect text = textBox(box);
    return wrapText(caption_, font(), text.width(), text.height());
}

void OptionButton::changeEvent(QEvent* event) {
    QRadioButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fit();
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

    const QRect text = textBox(size());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    drawWrapped(painter, shown_, text, true);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        int widest = 0;
        for (const QString& line : shown_.lines)
            widest = std::max(widest, fontMetrics().horizontalAdvance(line));
        focus.rect = QRect(text.left(), text.top() + (text.height() - shown_.height()) / 2, widest,
                           shown_.height())
                         .adjusted(-1, -1, 1, 1)
                         .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace lexitor::screens
