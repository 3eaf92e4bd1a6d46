#pragma once
// The summary's small chart: how many words fall due on each of the next
// days, as bars with their counts, and the same in words for screen readers.

#include "review/ReviewQueue.h"

#include <QFont>
#include <QPixmap>
#include <QString>

namespace lexitor::review {

// Drawn for `size` device-independent pixels at the device pixel ratio `ratio`.
QPixmap drawDueChart(const std::array<int, kChartDays>& due, QSize size, qreal ratio,
                     const QFont& font);
QString describeDueChart(const std::array<int, kChartDays>& due);

} // namespace lexitor::review
