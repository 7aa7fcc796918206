#include "PicturesRules.h"

#include "core/NumberText.h"
#include "core/Session.h"

namespace PicturesRules {

PicturesTask draw(const Session &session) {
    const qint64 number = session.drawNumber();
    return {blocksOf(number), NumberText::digits(number)};
}

BlockCounts blocksOf(qint64 number) {
    const QString padded = NumberText::digits(number).rightJustified(5, QLatin1Char('0'));
    // Everything before the last three places counts cubes: for the five
    // places of 1 .. 10000 that is exactly the first two.
    const qsizetype cubes = padded.size() - 3;
    BlockCounts counts;
    counts.thousands = padded.left(cubes).toInt();
    counts.hundreds = padded.at(cubes).digitValue();
    counts.tens = padded.at(cubes + 1).digitValue();
    counts.ones = padded.at(cubes + 2).digitValue();
    return counts;
}

bool isRight(const PicturesTask &task, const QString &typed) {
    return typed == task.expected;
}

} // namespace PicturesRules
