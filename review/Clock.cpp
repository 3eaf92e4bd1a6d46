#include "review/Clock.h"

namespace lexitor::review {

int localDay(const QDateTime& moment) {
    static const qint64 firstDay = QDate(1970, 1, 1).toJulianDay();
    return static_cast<int>(moment.toLocalTime().date().toJulianDay() - firstDay);
}

} // namespace lexitor::review
