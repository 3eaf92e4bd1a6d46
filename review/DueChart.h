#pragma once
// The summary's small chart: how many words fall due on each of the next
// days, as bars with their counts, and the same in words for screen readers.

#include "review/ReviewQueue.h"

#include <QString>
#include <QWidget>

namespace lexitor::review {

// Drawn over the whole of its parent, the place the screen's table gives it;
// the parent tells screen readers what it shows (describeDueChart).
class DueChart : public QWidget {
    Q_OBJECT
public:
    explicit DueChart(QWidget* parent);
    void setCounts(const std::array<int, kChartDays>& due);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<int, kChartDays> due_{};
};

QString describeDueChart(const std::array<int, kChartDays>& due);

} // namespace lexitor::review
