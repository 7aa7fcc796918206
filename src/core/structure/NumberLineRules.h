#pragma once

#include "NumberLineTask.h"

class Session;

// The rules of the number line: the task number at the middle tick, five
// steps to either end.
namespace NumberLineRules {

// The steps the screen offers, in the order of its buttons.
constexpr int steps[] = {1, 2, 5, 10, 20, 50, 100};

// A step is too large when the small ranges (up to 1000) are asked for more
// than 10, and whenever the range is shorter than twelve steps: then the line
// plus a step of margin on each side does not fit between 0 and the range.
bool stepTooLarge(int range, int step);

// Moves the drawn number so that the whole line keeps one step away from 0
// and from the range: the middle lies in 6 x step .. range - 6 x step.
NumberLineTask place(qint64 drawn, int range, int step);

// A new line with the asked step: one number drawn first, then a step too
// large for the range is replaced by 1 (the task's step tells which was used).
NumberLineTask draw(const Session &session, int step);

bool isRight(const NumberLineTask &task, const QString &answer);

} // namespace NumberLineRules
