#include "review/DueChart.h"

#include <QPainter>

#include <algorithm>

namespace lexitor::review {

QPixmap drawDueChart(const std::array<int, kChartDays>& due, QSize size, qreal ratio,
                     const QFont& font) {
    QPixmap chart(size * ratio);
    chart.setDevicePixelRatio(ratio);
    chart.fill(Qt::transparent);
    QPainter painter(&chart);
    painter.setFont(font);
    const int line = painter.fontMetrics().height();
    const int most = std::max(1, *std::max_element(due.begin(), due.end()));
    const double slot = double(size.width()) / kChartDays;
    const int floor = size.height() - line; // the day numbers stand below it
    const int tallest = floor - line;       // a count stands above each bar
    for (int day = 0; day < kChartDays; ++day) {
        const int left = int(day * slot);
        const int width = int(slot) - 4;
        const int height = due[day] * tallest / most;
        painter.fillRect(left + 2, floor - height, width, height, QColor(0x00, 0x80, 0x80));
        painter.setPen(Qt::black);
        painter.drawText(QRect(left, floor - height - line, int(slot), line), Qt::AlignCenter,
                         QString::number(due[day]));
        painter.drawText(QRect(left, floor, int(slot), line), Qt::AlignCenter,
                         QString::number(day + 1));
    }
    return chart;
}

QString describeDueChart(const std::array<int, kChartDays>& due) {
    QStringList days;
    for (int day = 0; day < kChartDays; ++day)
        days.append(day == 0 ? QStringLiteral("tomorrow %1").arg(due[0])
                             : QStringLiteral("in %1 days %2").arg(day + 1).arg(due[day]));
    return days.join(QStringLiteral(", "));
}

} // namespace lexitor::review
