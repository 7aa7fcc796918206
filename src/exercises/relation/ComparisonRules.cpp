#include "ComparisonRules.h"

QString comparisonSign(int left, int right) {
    if (left == right)
        return QStringLiteral("=");
    if (left < right)
        return QStringLiteral("<");
    return QStringLiteral(">");
}

QString comparisonSigns(const QList<int> &row) {
    QString signs;
    for (qsizetype k = 1; k < row.size(); ++k)
        signs += comparisonSign(row[k - 1], row[k]);
    return signs;
}
