#pragma once

#include <QString>

// One task of the digits exercise: the number to build on six place sliders,
// and the places the sliders have formed so far.
struct DigitsTask {
    // The number's digits, as the task label shows them.
    QString expected;
    // What the sliders have set, millions first; the word above the sliders reads it.
    QString places = QStringLiteral("0000000");
};
