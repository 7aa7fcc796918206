#include "NumberWords.h"

#include "core/NumberText.h"

namespace NumberWords {

namespace {

// Units as they stand in compounds: "einhundert", "einundzwanzig".
const char *const unitWords[] = {"",     "ein",   "zwei",   "drei", "vier",
                                 "fünf", "sechs", "sieben", "acht", "neun"};

const char *const tensWords[] = {"",        "zehn",    "zwanzig", "dreißig", "vierzig",
                                 "fünfzig", "sechzig", "siebzig", "achtzig", "neunzig"};

// "sechszehn" is this program's own spelling and stays so.
const char *const wordsUpToTwenty[] = {
    "",         "eins",     "zwei",      "drei",     "vier",     "fünf",     "sechs",
    "sieben",   "acht",     "neun",      "zehn",     "elf",      "zwölf",    "dreizehn",
    "vierzehn", "fünfzehn", "sechszehn", "siebzehn", "achtzehn", "neunzehn", "zwanzig"};

// The digit at place 1 (millions) .. 7 (units).
int digitAt(const QString &places, int place) {
    return place <= places.size() ? qMax(0, places.at(place - 1).digitValue()) : 0;
}

int placesValue(const QString &places, int first, int last) {
    int value = 0;
    for (int place = first; place <= last; ++place)
        value = value * 10 + digitAt(places, place);
    return value;
}

// Up to twenty each number has a word of its own; above, units come before
// the tens, joined by "und": 21 reads "einundzwanzig".
QString belowHundred(int tens, int units) {
    const int value = tens * 10 + units;
    if (value <= 20)
        return QString::fromUtf8(wordsUpToTwenty[value]);
    QString word = QString::fromUtf8(unitWords[units]);
    if (units > 0)
        word += QStringLiteral("und");
    return word + QString::fromUtf8(tensWords[tens]);
}

QString hundreds(int digit) {
    return digit > 0 ? QString::fromUtf8(unitWords[digit]) + QStringLiteral("hundert") : QString();
}

} // namespace

QString sevenPlaces(qint64 number) {
    return (QStringLiteral("0000000") + NumberText::digits(number)).right(7);
}

QString ofPlaces(const QString &places) {
    // The millions place has no words of its own; the one number that uses it
    // in the largest range still needs a word to read.
    if (places == QStringLiteral("1000000"))
        return QStringLiteral("eine Million");

    QString word =
        hundreds(digitAt(places, 5)) + belowHundred(digitAt(places, 6), digitAt(places, 7));
    if (placesValue(places, 2, 4) > 0) {
        // "eintausend", not "einstausend"
        const QString group = placesValue(places, 3, 4) == 1
                                  ? QStringLiteral("ein")
                                  : belowHundred(digitAt(places, 3), digitAt(places, 4));
        word.prepend(hundreds(digitAt(places, 2)) + group + QStringLiteral("tausend"));
    }
    return word;
}

QString of(qint64 number) {
    return ofPlaces(sevenPlaces(number));
}

} // namespace NumberWords
