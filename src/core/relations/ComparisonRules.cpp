#include "ComparisonRules.h"

#include "core/Session.h"

namespace ComparisonRules {

QString sign(int left, int right) {
    if (left == right)
        return QStringLiteral("=");
    if (left < right)
        return QStringLiteral("<");
    return QStringLiteral(">");
}

QString signs(const QList<int> &row) {
    QString result;
    for (qsizetype k = 1; k < row.size(); ++k)
        result += sign(row[k - 1], row[k]);
    return result;
}

ComparisonTask drawTask(const Session &session) {
    ComparisonTask task;
    for (int k = 0; k < ComparisonTask::numberCount; ++k)
        task.numbers << session.drawNumber();
    task.expectedSigns = signs(task.numbers);
    return task;
}

bool isRight(const ComparisonTask &task, const QString &answer) {
    return answer == task.expectedSigns;
}

} // namespace ComparisonRules
