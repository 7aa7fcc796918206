#pragma once

#include <array>

// The rules of the number family: ten numbers that agree in every digit but
// one place, where they run through 0 .. 9.

// The digits 0 .. 9 in random order, at index 1 .. 10 (index 0 unused):
// each draw that repeats an earlier digit is drawn again.
std::array<int, 11> shuffledDigits();

// A new family for the range, at index 1 .. 10 in the order of the shuffled
// digits; index 10 is the member the child has to find. The varying place is
// the ones up to 10000, the tens for 100000 and the hundreds for 1000000.
std::array<int, 11> numberFamily(int range);

// The place value of the varying digit in the range: 1, 10 or 100.
int familyPlace(int range);
