#include "BlockRules.h"

#include "core/NumberText.h"

QString blockSumText(const BlockCounts &counts) {
    const qint64 sum =
        1000LL * counts.tausender + 100LL * counts.hunderter + 10LL * counts.zehner + counts.einer;
    return NumberText::digits(sum);
}

BlockCounts blocksOfNumber(qint64 number) {
    const QString padded = NumberText::digits(number).rightJustified(5, QLatin1Char('0'));
    // Everything before the last three places counts cubes: for the five
    // places of 1 .. 10000 that is exactly the first two.
    const qsizetype cubes = padded.size() - 3;
    BlockCounts counts;
    counts.tausender = padded.left(cubes).toInt();
    counts.hunderter = padded.at(cubes).digitValue();
    counts.zehner = padded.at(cubes + 1).digitValue();
    counts.einer = padded.at(cubes + 2).digitValue();
    return counts;
}

QString pictureAnswer(qint64 number) {
    return NumberText::digits(number);
}
