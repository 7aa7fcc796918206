#pragma once

#include <QList>

// The program's one source of chance: a uniform fraction in [0, 1).
// Seeded once at start-up from the time of day; tests seed it or hand it a
// script of fractions that is used up before the generator is asked again.
namespace Random {

double fraction();

// Int(fraction() * n) + 1: a whole number from 1 to n.
int draw(int n);

void seedFromTimeOfDay();
void seed(quint32 value);
void script(const QList<double> &fractions);
qsizetype scriptLeft();

} // namespace Random
