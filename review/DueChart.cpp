#include "review/DueChart.h"

#include <QPainter>

#include <algorithm>

namespace lexitor::review {

DueChart::DueChart(QWidget* parent) : QWidget(parent) {
    setGeometry(parent->rect());
}

void DueChart::setCounts(const std::array<int, kChartDays>& due) {
    due_ = due;
    update();
}

void DueChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int line = painter.fontMetrics().height();
    const int most = std::max(1, *std::max_element(due_.begin(), due_.end()));
    const double slot = double(width()) / kChartDays;
    const int floor = height() - line; // the day numbers stand below it
    const int tallest = floor - line;  // a count stands above each bar
    for (int day = 0; day < kChartDays; ++day) {
        const int left = int(day * slot);
        const int bar = due_[day] * tallest / most;
        painter.fillRect(left + 2, floor - bar, int(slot) - 4, bar, QColor(0x00, 0x80, 0x80));
        painter.setPen(Qt::black);
        painter.drawText(QRect(left, floor - bar - line, int(slot), line), Qt::AlignCenter,
                         QString::number(due_[day]));
        painter.drawText(QRect(left, floor, int(slot), line), Qt::AlignCenter,
                         QString::number(day + 1));
    }
}

QString describeDueChart(const std::array<int, kChartDays>& due) {
    QStringList days;
    for (int day = 0; day < kChartDays; ++day)
        days.append(day == 0 ? QStringLiteral("tomorrow %1").arg(due[0])
                             : QStringLiteral("in %1 days %2").arg(day + 1).arg(due[day]));
    return days.join(QStringLiteral(", "));
}

} // namespace lexitor::review
