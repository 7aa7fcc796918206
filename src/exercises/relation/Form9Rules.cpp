#include "Form9Rules.h"

#include "core/Random.h"

namespace NachbarRegeln {

int gezeigteZahl(int gezogen, int zahlenraum) {
    int zahl = gezogen == 0 ? 1 : gezogen;
    if (zahl == zahlenraum)
        zahl = zahlenraum - 1;
    return zahl;
}

int erwarteterNachbar(int zahl, const QString &stelle, Art art) {
    int wert = 1;
    if (stelle == QLatin1String("Z"))
        wert = 10;
    else if (stelle == QLatin1String("H"))
        wert = 100;
    else if (stelle == QLatin1String("T"))
        wert = 1000;
    else // the ones: the plain neighbours of the number
        return art == Vorgaenger ? zahl - 1 : zahl + 1;

    const int unten = zahl / wert * wert;
    return art == Vorgaenger ? unten : unten + wert;
}

bool stelleErlaubt(const QString &stelle, int zahlenraum) {
    if (stelle == QLatin1String("H"))
        return zahlenraum >= 1000;
    if (stelle == QLatin1String("T"))
        return zahlenraum >= 10000;
    return true;
}

QString antwortTitel(const QString &stelle, Art art) {
    return stelle +
           (art == Vorgaenger ? QStringLiteral("-Vorgänger") : QStringLiteral("-Nachfolger"));
}

Art zieheArt() {
    return Random::draw(2) == 1 ? Vorgaenger : Nachfolger;
}

} // namespace NachbarRegeln
