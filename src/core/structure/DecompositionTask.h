#pragma once

#include <QString>
#include <QtGlobal>

// One decomposition: a number to be written as the sum of its place values.
struct DecompositionTask {
    qint64 number = 0;
    QString expected; // the sum without blanks, "3000+400+7"
};
