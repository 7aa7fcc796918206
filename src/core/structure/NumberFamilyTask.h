#pragma once

#include <QString>

#include <array>

// One number family: ten numbers that agree in every digit but one place,
// where they run through 0 .. 9 in random order. The first nine are shown;
// the last is the one the child has to find.
struct NumberFamilyTask {
    static constexpr int size = 10;
    static constexpr int shownCount = size - 1;
    using Members = std::array<int, size>;

    Members members{};
    QString expected; // the digits of the last member
};
