#include "NumberText.h"

#include <cmath>
#include <limits>

namespace NumberText {

QString withBlank(qint64 n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString digits(qint64 n) {
    return QString::number(n);
}

QString grouped(qint64 n) {
    QString text = QString::number(n);
    const int firstDigit = n < 0 ? 1 : 0;
    for (int i = int(text.size()) - 3; i > firstDigit; i -= 3)
        text.insert(i, QLatin1Char(' '));
    return text;
}

double value(const QString &text) {
    // Collect the numeric prefix without blanks, then let the C library read it.
    QByteArray number;
    int i = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
            ++i;
    };
    auto takeDigits = [&] {
        int count = 0;
        for (skipBlanks(); i < n && text[i].isDigit() && text[i].unicode() < 128; skipBlanks()) {
            number.append(char(text[i].unicode()));
            ++i;
            ++count;
        }
        return count;
    };
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        number.append(char(text[i++].unicode()));
    int mantissa = takeDigits();
    if (i < n && text[i] == QLatin1Char('.')) {
        number.append('.');
        ++i;
        mantissa += takeDigits();
    }
    if (mantissa == 0)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        const int mark = i;
        const qsizetype kept = number.size();
        number.append('e');
        ++i;
        skipBlanks();
        if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            number.append(char(text[i++].unicode()));
        if (takeDigits() == 0) {
            number.truncate(kept);
            i = mark;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok); // locale-independent
    return ok && std::isfinite(value) ? value : 0;
}

qint64 roundHalfEven(double value) {
    constexpr double limit = 9.0e18;
    if (!std::isfinite(value))
        return 0;
    if (value > limit)
        return qint64(limit);
    if (value < -limit)
        return -qint64(limit);
    return qint64(std::nearbyint(value)); // default rounding mode: to nearest, ties to even
}

int wholeNumber(const QString &text) {
    const qint64 v = roundHalfEven(NumberText::value(text));
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(v);
}

} // namespace NumberText
