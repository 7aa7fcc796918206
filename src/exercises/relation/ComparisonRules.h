#pragma once

#include <QList>
#include <QString>

// The sign that tells how the left number stands to the right one:
// "=" when equal, "<" when the left is smaller, ">" when it is greater.
QString comparisonSign(int left, int right);

// The expected answer for a row of numbers: one sign for each pair of
// neighbours, left to right, written without blanks (3 8 5 5 9 gives "<>=<").
QString comparisonSigns(const QList<int> &row);
