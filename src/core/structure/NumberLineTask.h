#pragma once

#include <QString>
#include <QtGlobal>

// One number line: eleven ticks a step apart, the ends labelled, the number
// at the middle tick to be typed.
struct NumberLineTask {
    int step = 1; // the distance between two ticks; the screen starts with 1
    qint64 middle = 0;
    qint64 leftEnd = 0;
    qint64 rightEnd = 0;
    QString expected; // the digits of the middle number
};
