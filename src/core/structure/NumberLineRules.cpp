#include "NumberLineRules.h"

#include "core/NumberText.h"
#include "core/Session.h"

namespace NumberLineRules {

bool stepTooLarge(int range, int step) {
    if (range <= 1000 && step > 10)
        return true;
    return qint64(range) < 12 * qint64(step);
}

NumberLineTask place(qint64 drawn, int range, int step) {
    qint64 middle = drawn;
    if (middle < 6 * qint64(step))
        middle = 6 * qint64(step);
    if (middle > range - 6 * qint64(step))
        middle = range - 6 * qint64(step);
    NumberLineTask task;
    task.step = step;
    task.middle = middle;
    task.leftEnd = middle - 5 * qint64(step);
    task.rightEnd = middle + 5 * qint64(step);
    task.expected = NumberText::digits(middle);
    return task;
}

NumberLineTask draw(const Session &session, int step) {
    const int drawn = session.drawNumber();
    if (stepTooLarge(session.range(), step))
        step = 1;
    return place(drawn, session.range(), step);
}

bool isRight(const NumberLineTask &task, const QString &answer) {
    return answer == task.expected;
}

} // namespace NumberLineRules
