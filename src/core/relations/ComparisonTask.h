#pragma once

#include <QList>
#include <QString>

// One comparison task: five numbers in a row and the signs that belong
// between each two neighbours.
struct ComparisonTask {
    static constexpr int numberCount = 5;

    QList<int> numbers;
    // One sign per pair, left to right, without blanks ("<>=<").
    QString expectedSigns;
};
