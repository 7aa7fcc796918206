#include "QuantitiesRules.h"

#include "core/NumberText.h"
#include "core/Session.h"

namespace QuantitiesRules {

QuantitiesTask draw(const Session &session) {
    QuantitiesTask task;
    task.expected = NumberText::digits(session.drawNumber());
    return task;
}

QString sumText(const BlockCounts &counts) {
    const qint64 sum =
        1000LL * counts.thousands + 100LL * counts.hundreds + 10LL * counts.tens + counts.ones;
    return NumberText::digits(sum);
}

bool isRight(const QuantitiesTask &task) {
    return sumText(task.built) == task.expected;
}

} // namespace QuantitiesRules
