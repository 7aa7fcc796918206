#include "WorksheetKey.h"

#include "WorksheetTasks.h"

#include "core/NumberText.h"
#include "core/numbers/NumberWordParser.h"
#include "core/numbers/NumberWords.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <numeric>

namespace WorksheetKey {

namespace {

// The numbers a task shows are at most seven digits long; nine keep the
// arithmetic far from overflowing whatever a pattern lets through.
#define NUMBER "(\\d{1,9})"

qint64 numberAt(const QRegularExpressionMatch &match, int group) {
    return match.capturedView(group).toLongLong();
}

// The length of each run of underscores, in order.
QList<qsizetype> gapWidths(const QString &text) {
    QList<qsizetype> widths;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != QLatin1Char('_')) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && text[i] == QLatin1Char('_'))
            ++i;
        widths << i - start;
    }
    return widths;
}

// Each run of underscores replaced by the next answer; the text unchanged
// when the number of gaps and answers differ.
QString fillGaps(const QString &text, const QStringList &answers) {
    if (gapWidths(text).size() != answers.size())
        return text;
    QString filled;
    filled.reserve(text.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != QLatin1Char('_')) {
            filled += text[i++];
            continue;
        }
        while (i < text.size() && text[i] == QLatin1Char('_'))
            ++i;
        filled += answers[next++];
    }
    return filled;
}

QString digits(qint64 n) {
    return NumberText::digits(n);
}

qint64 powerOfTen(qsizetype exponent) {
    qint64 power = 1;
    for (qsizetype k = 0; k < exponent; ++k)
        power *= 10;
    return power;
}

bool isPowerOfTen(qint64 n) {
    while (n >= 10 && n % 10 == 0)
        n /= 10;
    return n == 1;
}

QString sign(qint64 left, qint64 right) {
    if (left < right)
        return QStringLiteral("<");
    return left > right ? QStringLiteral(">") : QStringLiteral("=");
}

// The one member missing from the nine shown: the ten members run through
// 0 .. 9 at one place and agree in all others. -1 when the nine are no such family.
qint64 missingMember(const QList<qint64> &shown) {
    if (shown.size() != 9)
        return -1;
    // Nine of the ten digits always hold two neighbours, so the varying place
    // is the greatest common divisor of the differences between members.
    qint64 place = 0;
    for (qint64 member : shown)
        place = std::gcd(place, qAbs(member - shown.first()));
    if (place <= 0 || !isPowerOfTen(place))
        return -1;
    // The member with digit 0 at that place; all others are it plus their digit.
    const qint64 lowest = *std::min_element(shown.begin(), shown.end());
    const qint64 first = lowest - lowest / place % 10 * place;
    std::array<bool, 10> present{};
    for (qint64 member : shown) {
        const qint64 digit = (member - first) / place;
        if ((member - first) % place != 0 || digit > 9 || present[size_t(digit)])
            return -1;
        present[size_t(digit)] = true;
    }
    const auto missing = std::find(present.begin(), present.end(), false);
    return first + (missing - present.begin()) * place;
}

} // namespace

QString solveComparison(const QString &taskText) {
    static const QRegularExpression pattern(QStringLiteral(
        "\\A " NUMBER " ___ " NUMBER " ___ " NUMBER " ___ " NUMBER " ___ " NUMBER "\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    if (!match.hasMatch())
        return taskText;
    QStringList signs;
    for (int k = 1; k < 5; ++k)
        signs << sign(numberAt(match, k), numberAt(match, k + 1));
    return fillGaps(taskText, signs);
}

QString solveOrdering(const QString &taskText) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A\\r\\n" NUMBER ",   " NUMBER ",   " NUMBER ",   " NUMBER ",   " NUMBER
                       ":\\r\\n________ , ________ , ________ , ________ , ________\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    if (!match.hasMatch())
        return taskText;
    QList<qint64> numbers;
    for (int k = 1; k <= 5; ++k)
        numbers << numberAt(match, k);
    std::sort(numbers.begin(), numbers.end());
    QStringList answers;
    for (qint64 n : numbers)
        answers << digits(n);
    return fillGaps(taskText, answers);
}

QString solveDigits(const QString &taskText) {
    static const QRegularExpression pattern(QStringLiteral("\\A " NUMBER " = _{30}\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    const qint64 n = match.hasMatch() ? numberAt(match, 1) : 0;
    if (n < 1 || n > 1000000)
        return taskText;
    return fillGaps(taskText, {NumberWords::of(n)});
}

QString solveWords(const QString &taskText) {
    static const QRegularExpression pattern(QStringLiteral("\\A_{8} = ([^\\r\\n]+)\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    const qint64 n = match.hasMatch() ? NumberWordParser::valueOf(match.captured(1)) : -1;
    if (n < 1)
        return taskText;
    return fillGaps(taskText, {digits(n)});
}

QString solvePictures(const QString &taskText) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A_{8} = ([THZE](?:\\+[THZE])*)\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    if (!match.hasMatch())
        return taskText;
    qint64 n = 0;
    for (QChar symbol : match.capturedView(1)) {
        switch (symbol.unicode()) {
        case 'T':
            n += 1000;
            break;
        case 'H':
            n += 100;
            break;
        case 'Z':
            n += 10;
            break;
        case 'E':
            n += 1;
            break;
        default:
            break; // the "+" between two symbols
        }
    }
    return fillGaps(taskText, {digits(n)});
}

QString solveQuantities(const QString &taskText) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A" NUMBER " = (__(?:\\+__)*)\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    if (!match.hasMatch())
        return taskText;
    // The recipe makes one gap per unit of the digit sum: each gap is one
    // block, the highest place first.
    const QStringView number = match.capturedView(1);
    QStringList blocks;
    for (qsizetype i = 0; i < number.size(); ++i)
        for (int k = 0; k < number[i].digitValue(); ++k)
            blocks << digits(powerOfTen(number.size() - 1 - i));
    return fillGaps(taskText, blocks);
}

// The two lines are a line to draw on and a ruler: they show no number at
// all, so there is nothing to fill in and the key repeats them.
QString solveNumberLine(const QString &taskText) {
    return taskText;
}

QString solveFamily(const QString &taskText) {
    static const QRegularExpression pattern(QStringLiteral("\\A(?: \\d{1,9},){9} ______\\r\\n\\z"));
    static const QRegularExpression member(QStringLiteral(" " NUMBER ","));
    if (!pattern.match(taskText).hasMatch())
        return taskText;
    QList<qint64> shown;
    for (auto it = member.globalMatch(taskText); it.hasNext();)
        shown << numberAt(it.next(), 1);
    const qint64 missing = missingMember(shown);
    return missing < 0 ? taskText : fillGaps(taskText, {digits(missing)});
}

QString solveNeighbours(const QString &taskText) {
    static const QRegularExpression pattern(QStringLiteral("\\A(_+)  " NUMBER "  (_+)\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    if (!match.hasMatch())
        return taskText;
    const qsizetype width = 2 * match.capturedLength(2);
    if (match.capturedLength(1) != width || match.capturedLength(3) != width)
        return taskText;
    const qint64 n = numberAt(match, 2);
    return fillGaps(taskText, {digits(n - 1), digits(n + 1)});
}

QString solveDecomposition(const QString &taskText) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A" NUMBER " = (_+(?:\\+_+)*)\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    if (!match.hasMatch())
        return taskText;
    // One gap per digit, the widest first: d + 1, d, ..., 2 underscores.
    const QStringView number = match.capturedView(1);
    const QList<qsizetype> widths = gapWidths(taskText);
    QStringList places;
    for (qsizetype i = 0; i < number.size(); ++i) {
        if (widths.value(i) != number.size() + 1 - i)
            return taskText;
        places << digits(number[i].digitValue() * powerOfTen(number.size() - 1 - i));
    }
    return fillGaps(taskText, places);
}

QString solveCounting(const QString &taskText) {
    static const QRegularExpression pattern(QStringLiteral("\\A " NUMBER "(?:  _+){6}\\r\\n\\z"));
    const auto match = pattern.match(taskText);
    if (!match.hasMatch())
        return taskText;
    const qsizetype width = NumberText::withBlank(numberAt(match, 1)).size() + 1;
    const QList<qsizetype> widths = gapWidths(taskText);
    if (std::any_of(widths.begin(), widths.end(), [width](qsizetype w) { return w != width; }))
        return taskText;
    QStringList row;
    for (int step = 1; step <= 6; ++step)
        row << digits(numberAt(match, 1) + step);
    return fillGaps(taskText, row);
}

#undef NUMBER

Rule ruleFor(const QString &type) {
    // The type table names each type once, with its recipe and its rule.
    return WorksheetTasks::keyRule(type);
}

QString solve(const QString &type, const QString &taskText) {
    const Rule rule = ruleFor(type);
    return rule ? rule(taskText) : taskText;
}

} // namespace WorksheetKey
