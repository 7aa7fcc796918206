#include "NumberWords.h"

#include "core/NumberText.h"
#include "core/Session.h"
#include "legacy/Modul1.h"

namespace MODUL1 {

QString ZahlWort;
std::array<QString, 21> Wort;

namespace {

const char *const unitWords[] = {"",     "ein",   "zwei",   "drei", "vier",
                                 "fünf", "sechs", "sieben", "acht", "neun"};

void loadUnits() {
    for (int slot = 0; slot <= 9; ++slot)
        Wort[slot] = QString::fromUtf8(unitWords[slot]);
}

// The digit at place 1 .. 7 of Merker; a place the string does not reach reads 0.
int digitAt(int place) {
    return place <= Merker.size() ? qMax(0, Merker.at(place - 1).digitValue()) : 0;
}

// The number formed by places first .. last of Merker.
int placesValue(int first, int last) {
    int value = 0;
    for (int place = first; place <= last; ++place)
        value = value * 10 + digitAt(place);
    return value;
}

// Units before tens, joined by "und": 21 reads "einundzwanzig".
QString compound(int units, int tens) {
    LadeZehner();
    QString word = Wort[units];
    if (units > 0)
        word += QStringLiteral("und");
    return word + Wort[10 + tens];
}

} // namespace

void LadeEiner() {
    loadUnits();
}

void LadeZehner() {
    loadUnits();
    static const char *const tensWords[] = {"",        "zehn",    "zwanzig", "dreißig", "vierzig",
                                            "fünfzig", "sechzig", "siebzig", "achtzig", "neunzig"};
    for (int tens = 0; tens <= 9; ++tens)
        Wort[10 + tens] = QString::fromUtf8(tensWords[tens]);
}

void LadeBisZwanzig() {
    // "sechszehn" is this program's own spelling and stays so.
    static const char *const words[] = {
        "",         "eins",     "zwei",      "drei",     "vier",     "fünf",     "sechs",
        "sieben",   "acht",     "neun",      "zehn",     "elf",      "zwölf",    "dreizehn",
        "vierzehn", "fünfzehn", "sechszehn", "siebzehn", "achtzehn", "neunzehn", "zwanzig"};
    for (int slot = 0; slot <= 20; ++slot)
        Wort[slot] = QString::fromUtf8(words[slot]);
}

void BildeZahlWort() {
    ZahlWort.clear();
    // The millions place has no words of its own; the one number that uses it
    // in the largest range still needs a word to read.
    if (Merker == QStringLiteral("1000000")) {
        ZahlWort = QStringLiteral("eine Million");
        return;
    }

    const int lastTwo = placesValue(6, 7);
    if (lastTwo < 21) {
        LadeBisZwanzig();
        ZahlWort += Wort[lastTwo];
    } else {
        ZahlWort += compound(digitAt(7), digitAt(6));
    }

    LadeEiner();
    if (digitAt(5) > 0)
        ZahlWort.prepend(Wort[digitAt(5)] + QStringLiteral("hundert"));

    QString thousands;
    const int group = placesValue(3, 4);
    if (group < 21) {
        LadeBisZwanzig();
        if (group == 1)
            Wort[1] = QStringLiteral("ein"); // "eintausend", not "einstausend"
        if (group > 0)
            thousands = Wort[group];
    } else {
        thousands = compound(digitAt(4), digitAt(3));
    }

    LadeEiner();
    if (digitAt(2) > 0)
        thousands.prepend(Wort[digitAt(2)] + QStringLiteral("hundert"));

    if (placesValue(2, 4) > 0)
        ZahlWort.prepend(thousands + QStringLiteral("tausend"));
}

} // namespace MODUL1

QString sevenPlaces(const QString &digits) {
    return (QStringLiteral("0000000") + digits).right(7);
}

QString numberWord(qint64 number) {
    MODUL1::Merker = sevenPlaces(NumberText::digits(number));
    MODUL1::BildeZahlWort();
    return MODUL1::ZahlWort;
}
