#pragma once
// "Now" for everything that remembers the learner: one clock, handed to
// what needs it. The program runs on the system clock; tests hand in their own.

#include <QDateTime>

#include <functional>

namespace lexitor::review {

using Clock = std::function<QDateTime()>;

// The system clock, the program's default.
QDateTime systemNow();

// The local calendar day of a moment, counted from 1970-01-01.
int localDay(const QDateTime& moment);

} // namespace lexitor::review
