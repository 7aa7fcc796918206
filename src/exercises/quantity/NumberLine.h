#pragma once

#include <QtGlobal>

// The rules of the number line: eleven ticks a step apart, the task number
// at the middle tick, five steps to either end.

// The steps the screen offers, in the order of its buttons.
constexpr int numberLineSteps[] = {1, 2, 5, 10, 20, 50, 100};

// A step is too large when the small ranges (up to 1000) are asked for more
// than 10, and whenever the range is shorter than twelve steps: then the line
// plus a step of margin on each side does not fit between 0 and the range.
bool stepTooLarge(int range, int step);

struct NumberLine {
    qint64 middle; // the number at the middle tick, the expected answer
    qint64 leftEnd;
    qint64 rightEnd;
};

// Moves the drawn number so that the whole line keeps one step away from 0
// and from the range: the middle lies in 6 x step .. range - 6 x step.
NumberLine placeNumberLine(qint64 drawn, int range, int step);
