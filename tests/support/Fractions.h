#pragma once

// Scripted fractions that make the generator draw exactly what a test wants.
// Qt Core only, so that the rule tests of core/ share them too.

#include <QList>
#include <QString>

// The fraction that makes Random::draw(range), and so a task number, give exactly n.
inline double fractionFor(int n, int range) {
    return (n - 0.5) / range;
}

// Fractions that shuffle the digits 0 .. 9 into the given order (a number family).
inline QList<double> digitFractions(const QList<int> &digits) {
    QList<double> fractions;
    for (int d : digits)
        fractions << (d + 0.5) / 10;
    return fractions;
}

// Fractions that make the memory deal put the numbers 1, 1, 2, 2, ... 9, 9 on
// the places that `wanted` gives them.
inline QList<double> dealFractions(const QString &wanted) {
    QList<double> script;
    QString left = wanted;
    for (const QChar digit : QStringLiteral("112233445566778899")) {
        const int place = int(left.indexOf(digit));
        left[place] = QLatin1Char('x');
        script << (place + 0.5) / 18.0;
    }
    return script;
}
