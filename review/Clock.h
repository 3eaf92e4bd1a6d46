#pragma once
// "Now" for everything that remembers the learner: the one clock of the
// screens' services (screens/Services.h), handed to what needs it. The
// program runs on the system clock; tests hand in their own.

#include <QDateTime>

#include <functional>

namespace lexitor::review {

using Clock = std::function<QDateTime()>;

// The local calendar day of a moment, counted from 1970-01-01.
int localDay(const QDateTime& moment);

} // namespace lexitor::review
