#include "WorksheetRecipes.h"

#include "core/NumberText.h"
#include "core/Random.h"

namespace WorksheetRecipes {

namespace {

QString repeated(const QString &text, int times) {
    return text.repeated(qMax(0, times));
}

QString underscores(int count) {
    return repeated(QStringLiteral("_"), count);
}

int digitSum(int n) {
    int sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

// One count 0 .. 9 of a symbol, followed by "+" after each symbol.
QString symbolRun(QChar letter) {
    const int count = int(Random::fraction() * 10);
    return repeated(QString(letter) + QLatin1Char('+'), count);
}

} // namespace

int taskNumber(int range) {
    return Random::draw(range);
}

QString comparisonLine(int range) {
    QString line = NumberText::withBlank(taskNumber(range));
    for (int k = 2; k <= 5; ++k)
        line += QStringLiteral(" ___") + NumberText::withBlank(taskNumber(range));
    return line + lineEnd;
}

QString digitsLine(int range) {
    return NumberText::withBlank(taskNumber(range)) + QStringLiteral(" = ") + underscores(30) +
           lineEnd;
}

QString wordsLine(const QString &word) {
    return underscores(8) + QStringLiteral(" = ") + word + lineEnd;
}

QString pictureSymbols(int range) {
    // A picture without any symbol would be no task: draw all counts again.
    const auto drawSymbols = [range] {
        QString symbols;
        if (range > 1000)
            symbols += symbolRun(QLatin1Char('T'));
        if (range > 100)
            symbols += symbolRun(QLatin1Char('H'));
        if (range > 10)
            symbols += symbolRun(QLatin1Char('Z'));
        return symbols + symbolRun(QLatin1Char('E'));
    };
    return Random::drawUntil(
        drawSymbols, [](const QString &symbols) { return !symbols.isEmpty(); },
        QStringLiteral("E+"));
}

QString picturesLine(int range) {
    return QStringLiteral("________ = ") + pictureSymbols(range).chopped(1) + lineEnd;
}

QString quantitiesLine(int range) {
    const int n = taskNumber(range);
    return NumberText::digits(n) + QStringLiteral(" = ") +
           repeated(QStringLiteral("__+"), digitSum(n)).chopped(1) + lineEnd;
}

QString numberLineLines() {
    return QStringLiteral("|") + underscores(41) + lineEnd +
           repeated(QStringLiteral("| ' ' ' ' ^ ' ' ' ' "), 5) + QStringLiteral("|") + lineEnd;
}

QString familyLine(const NumberFamilyTask::Members &family) {
    QString line;
    for (int i = 0; i < NumberFamilyTask::shownCount; ++i)
        line += NumberText::withBlank(family[size_t(i)]) + QLatin1Char(',');
    return line + QStringLiteral(" ______") + lineEnd;
}

QString neighboursLine(int range) {
    const QString digits = NumberText::digits(taskNumber(range));
    const QString gap = underscores(2 * int(digits.size()));
    return gap + QStringLiteral("  ") + digits + QStringLiteral("  ") + gap + lineEnd;
}

QString decompositionLine(int range) {
    const QString digits = NumberText::digits(taskNumber(range));
    const int d = int(digits.size());
    QStringList gaps;
    for (int width = d + 1; width >= 2; --width)
        gaps << underscores(width);
    return digits + QStringLiteral(" = ") + gaps.join(QLatin1Char('+')) + lineEnd;
}

QString countingLine(int range) {
    // The start needs ten below and ten above it.
    if (range < 20)
        return QString();
    const int n =
        Random::drawUntil([range] { return taskNumber(range); },
                          [range](int start) { return start >= 10 && start <= range - 10; }, 10);
    const QString start = NumberText::withBlank(n);
    const QString gap = QStringLiteral("  ") + underscores(int(start.size()) + 1);
    return start + repeated(gap, 6) + lineEnd;
}

QString orderingLines(const QStringList &numbers) {
    return lineEnd + numbers.join(QStringLiteral(",   ")) + QLatin1Char(':') + lineEnd +
           QStringLiteral("________ , ________ , ________ , ________ , ________") + lineEnd;
}

} // namespace WorksheetRecipes
