#include "NumberFamilyRules.h"

#include "core/NumberText.h"
#include "core/Random.h"

#include <algorithm>

namespace NumberFamilyRules {

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

NumberFamilyTask::Members shuffledDigits() {
    NumberFamilyTask::Members digits{};
    for (auto next = digits.begin(); next != digits.end(); ++next) {
        const auto unused = [&digits, next](int digit) {
            return std::find(digits.begin(), next, digit) == next;
        };
        int firstUnused = 0;
        while (!unused(firstUnused))
            ++firstUnused;
        *next = Random::drawUntil(digitDraw, unused, firstUnused);
    }
    return digits;
}

int varyingPlace(int range) {
    if (range == 1000000)
        return 100;
    if (range == 100000)
        return 10;
    return 1;
}

NumberFamilyTask draw(int range) {
    NumberFamilyTask task;
    task.members = shuffledDigits();
    const int base = familyBase(range);
    const int place = varyingPlace(range);
    for (int &member : task.members)
        member = (member + base) * place;
    task.expected = NumberText::digits(task.members.back());
    return task;
}

bool isRight(const NumberFamilyTask &task, const QString &answer) {
    return answer == task.expected;
}

} // namespace NumberFamilyRules
