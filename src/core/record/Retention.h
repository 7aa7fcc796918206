#pragma once

#include <QDateTime>

// How long the class server keeps a class's answers, and when they are cleared.
namespace Retention {

constexpr int defaultMonths = 13;
constexpr int leastMonths = 1;
constexpr int mostMonths = 120;

// The months asked for, held within leastMonths .. mostMonths.
int months(int asked);

// Answers made before this moment are deleted.
QDateTime cutoff(const QDateTime &now, int keepMonths);

// Once a day: due when never done or last done on an earlier day than now,
// and again when the last run stands in the future (a wrong clock that was put right).
bool due(const QDateTime &lastCleanup, const QDateTime &now);

} // namespace Retention
