#include "NumberFamily.h"

#include "core/Random.h"

#include <algorithm>

namespace {

int digitDraw() {
    return int(Random::fraction() * 10);
}

// Ten times a whole number drawn for the range; the tens and hundreds
// families take it as the number before their varying place.
int familyBase(int range) {
    switch (range) {
    case 20:
        return 10 * int(Random::fraction() * 2);
    case 100:
        return 10 * (int(Random::fraction() * 8) + 2); // never 0 .. 9 or 10 .. 19
    case 1000:
        return 10 * int(Random::fraction() * 100);
    default:
        return 10 * int(Random::fraction() * 1000);
    }
}

} // namespace

std::array<int, 11> shuffledDigits() {
    std::array<int, 11> digits{};
    for (int i = 1; i <= 10; ++i) {
        do
            digits[i] = digitDraw();
        while (std::find(digits.begin() + 1, digits.begin() + i, digits[i]) != digits.begin() + i);
    }
    return digits;
}

int familyPlace(int range) {
    if (range == 1000000)
        return 100;
    if (range == 100000)
        return 10;
    return 1;
}

std::array<int, 11> numberFamily(int range) {
    std::array<int, 11> family = shuffledDigits();
    const int base = familyBase(range);
    const int place = familyPlace(range);
    for (int i = 1; i <= 10; ++i)
        family[i] = (family[i] + base) * place;
    return family;
}
