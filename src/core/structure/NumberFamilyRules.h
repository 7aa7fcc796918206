#pragma once

#include "NumberFamilyTask.h"

// The rules of the number family.
namespace NumberFamilyRules {

// The digits 0 .. 9 in random order: each draw that repeats an earlier digit
// is drawn again.
NumberFamilyTask::Members shuffledDigits();

// The place value of the varying digit in the range: the ones up to 10000,
// the tens for 100000 and the hundreds for 1000000.
int varyingPlace(int range);

// A new family for the range, its members in the order of the shuffled
// digits (drawn first, the rest of the number after them).
NumberFamilyTask draw(int range);

bool isRight(const NumberFamilyTask &task, const QString &answer);

} // namespace NumberFamilyRules
