#include "Retention.h"

#include <algorithm>

namespace Retention {

int months(int asked) {
    return std::clamp(asked, leastMonths, mostMonths);
}

QDateTime cutoff(const QDateTime &now, int keepMonths) {
    return now.addMonths(-months(keepMonths));
}

bool due(const QDateTime &lastCleanup, const QDateTime &now) {
    if (!lastCleanup.isValid())
        return true;
    const QDate last = lastCleanup.toLocalTime().date();
    const QDate today = now.toLocalTime().date();
    return last != today;
}

} // namespace Retention
