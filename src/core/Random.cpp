#include "Random.h"

#include <QRandomGenerator>
#include <QTime>

#include <cmath>

namespace {

QRandomGenerator &generator() {
    static QRandomGenerator gen(1u);
    return gen;
}

QList<double> &scripted() {
    static QList<double> list;
    return list;
}

} // namespace

namespace Random {

double fraction() {
    if (!scripted().isEmpty())
        return scripted().takeFirst();
    return generator().generateDouble();
}

int draw(int n) {
    return int(std::floor(fraction() * n)) + 1;
}

void seedFromTimeOfDay() {
    // Milliseconds since midnight, like the seconds-with-fractions of the design.
    seed(quint32(QTime::currentTime().msecsSinceStartOfDay()));
}

void seed(quint32 value) {
    generator().seed(value);
    scripted().clear();
}

void script(const QList<double> &fractions) {
    scripted() = fractions;
}

qsizetype scriptLeft() {
    return scripted().size();
}

} // namespace Random
