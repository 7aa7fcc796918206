#include "DigitsTask.h"

#include "core/Session.h"
#include "legacy/Modul1.h"

void drawSliderNumber() {
    // Only the largest range reaches the seventh digit (1 000 000 itself).
    do
        MODUL1::NeueZahl();
    while (MODUL1::ZahlText.size() > 6 && MODUL1::session().range() > 999999);
}

QString sliderDigits(const std::array<int, 6> &hundredThousandsToUnits) {
    QString digits;
    for (int value : hundredThousandsToUnits)
        digits += QChar(u'0' + value);
    return digits;
}

bool slidersSpell(const QString &expected, const QString &sliders) {
    return sliders.right(expected.size()) == expected;
}

QString withPlaceDigit(QString sevenPlaces, int place, int digit) {
    // Merker may still hold another exercise's meaning; then the places start at 0.
    if (sevenPlaces.size() != 7)
        sevenPlaces = QStringLiteral("0000000");
    sevenPlaces[place - 1] = QChar(u'0' + digit);
    return sevenPlaces;
}
