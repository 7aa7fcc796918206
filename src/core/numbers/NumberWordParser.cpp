#include "NumberWordParser.h"

#include <QStringView>

namespace NumberWordParser {

namespace {

// The same pieces NumberWords writes with.
const char16_t *const unitWords[] = {u"",     u"ein",   u"zwei",   u"drei", u"vier",
                                     u"fünf", u"sechs", u"sieben", u"acht", u"neun"};

const char16_t *const tensWords[] = {u"",        u"zehn",    u"zwanzig", u"dreißig", u"vierzig",
                                     u"fünfzig", u"sechzig", u"siebzig", u"achtzig", u"neunzig"};

const char16_t *const wordsUpToTwenty[] = {
    u"",         u"eins",     u"zwei",      u"drei",     u"vier",     u"fünf",     u"sechs",
    u"sieben",   u"acht",     u"neun",      u"zehn",     u"elf",      u"zwölf",    u"dreizehn",
    u"vierzehn", u"fünfzehn", u"sechszehn", u"siebzehn", u"achtzehn", u"neunzehn", u"zwanzig"};

constexpr QStringView hundred = u"hundert";
constexpr QStringView thousand = u"tausend";
constexpr QStringView joiner = u"und";

// 1 .. 9 as it stands before "hundert" or "und"; 0 for anything else.
int compoundUnit(QStringView text) {
    for (int digit = 1; digit <= 9; ++digit)
        if (text == QStringView(unitWords[digit]))
            return digit;
    return 0;
}

// How one stands alone: "eins" at the end of a number, "ein" before "tausend".
enum class One { Eins, Ein };

// 1 .. 99, the whole text; -1 when it is no such word.
int belowHundred(QStringView text, One one) {
    if (one == One::Ein && text == QStringView(unitWords[1]))
        return 1;
    for (int value = 1; value <= 20; ++value)
        if (text == QStringView(wordsUpToTwenty[value]))
            return one == One::Ein && value == 1 ? -1 : value;
    // Above twenty: a round ten, or the units, "und" and the ten.
    for (int tens = 2; tens <= 9; ++tens) {
        const QStringView tensWord(tensWords[tens]);
        if (!text.endsWith(tensWord))
            continue;
        const QStringView units = text.chopped(tensWord.size());
        if (units.isEmpty())
            return tens * 10;
        if (!units.endsWith(joiner))
            return -1;
        const int unit = compoundUnit(units.chopped(joiner.size()));
        return unit > 0 ? tens * 10 + unit : -1;
    }
    return -1;
}

// 1 .. 999, the whole text: the hundreds, then what is below a hundred.
int belowThousand(QStringView text, One one) {
    const qsizetype at = text.indexOf(hundred);
    if (at < 0)
        return belowHundred(text, one);
    const int hundreds = compoundUnit(text.left(at));
    if (hundreds == 0)
        return -1;
    const QStringView rest = text.mid(at + hundred.size());
    if (rest.isEmpty())
        return hundreds * 100;
    const int below = belowHundred(rest, one);
    return below > 0 ? hundreds * 100 + below : -1;
}

} // namespace

qint64 valueOf(const QString &word) {
    if (word == QStringLiteral("eine Million"))
        return 1000000;
    const QStringView text(word);
    const qsizetype at = text.indexOf(thousand);
    if (at < 0)
        return belowThousand(text, One::Eins);
    const int thousands = belowThousand(text.left(at), One::Ein);
    if (thousands <= 0)
        return -1;
    const QStringView rest = text.mid(at + thousand.size());
    if (rest.isEmpty())
        return qint64(thousands) * 1000;
    const int below = belowThousand(rest, One::Eins);
    return below > 0 ? qint64(thousands) * 1000 + below : -1;
}

} // namespace NumberWordParser
