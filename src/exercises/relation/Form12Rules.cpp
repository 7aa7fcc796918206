#include "Form12Rules.h"

#include "core/NumberText.h"
#include "core/Random.h"

namespace ZaehlRegeln {

Schritt liesSchritt(const QString &text) {
    Schritt schritt;
    schritt.aufwaerts = text.startsWith(QLatin1Char('+'));
    schritt.weite = NumberText::wholeNumber(text.mid(2));
    return schritt;
}

QString schrittText(bool aufwaerts, int weite) {
    return (aufwaerts ? QStringLiteral("+") : QStringLiteral("-")) + NumberText::withBlank(weite);
}

QString zufallsSchrittText(bool aufwaerts) {
    return schrittText(aufwaerts, Random::draw(10));
}

bool schrittPasst(const Schritt &schritt, int zahlenraum) {
    return schritt.weite >= 0 && 4 * qint64(schritt.weite) < zahlenraum;
}

int zieheStart(const Schritt &schritt, int zahlenraum) {
    if (!schrittPasst(schritt, zahlenraum))
        return schritt.aufwaerts ? 1 : zahlenraum; // no row fits; callers never ask
    const qint64 vier = 4 * qint64(schritt.weite);
    for (;;) {
        const qint64 start = Random::draw(zahlenraum);
        if (schritt.aufwaerts ? start + vier <= zahlenraum : start - vier >= 1)
            return int(start);
    }
}

int startBox(const Schritt &schritt) {
    return schritt.aufwaerts ? 1 : 5;
}

int ersteAntwortBox(const Schritt &schritt) {
    return schritt.aufwaerts ? 2 : 4;
}

int naechsteBox(const Schritt &schritt, int box) {
    if (schritt.aufwaerts)
        return box >= 5 ? 0 : box + 1;
    return box <= 1 ? 0 : box - 1;
}

} // namespace ZaehlRegeln
