#pragma once

#include <QList>

// The program's one source of chance: a uniform fraction in [0, 1).
// Seeded once at start-up from the time of day; tests seed it or hand it a
// script of fractions that is used up before the generator is asked again.
namespace Random {

double fraction();

// Int(fraction() * n) + 1: a whole number from 1 to n.
int draw(int n);

// Draws until `accept` takes the value, at most `tries` times (the rules
// that draw again never need nearly that many); after that the fallback, a
// value the rules accept, so no draw can hang on a range or a script that
// never gives an acceptable value.
template <class T, class Draw, class Accept>
T drawUntil(Draw draw, Accept accept, T fallback, int tries = 1000000) {
    for (int i = 0; i < tries; ++i) {
        const T value = draw();
        if (accept(value))
            return value;
    }
    return fallback;
}

void seedFromTimeOfDay();
void seed(quint32 value);
void script(const QList<double> &fractions);
qsizetype scriptLeft();

} // namespace Random
