#include "DecompositionRules.h"

#include "core/Session.h"

namespace DecompositionRules {

QString placeValueSum(qint64 number) {
    const QString digits = QString::number(number);
    if (number < 10)
        return digits;
    QString sum;
    const qsizetype length = digits.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (digits[i] == QLatin1Char('0'))
            continue;
        sum += QLatin1Char('+') + digits[i] + QString(length - 1 - i, QLatin1Char('0'));
    }
    return sum.mid(1); // without the leading plus sign
}

QString withAutomaticPlus(const QString &field, const QString &expected) {
    const qsizetype n = field.size();
    if (n < expected.size() && expected[n] == QLatin1Char('+'))
        return field + QLatin1Char('+');
    return field;
}

DecompositionTask draw(const Session &session) {
    DecompositionTask task;
    task.number = session.drawNumber();
    task.expected = placeValueSum(task.number);
    return task;
}

bool isRight(const DecompositionTask &task, const QString &answer) {
    return answer == task.expected;
}

} // namespace DecompositionRules
