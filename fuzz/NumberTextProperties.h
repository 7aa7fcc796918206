#pragma once

// What must hold for any text read as a number, shared by the fuzz target
// and the regression test that replays what the fuzzer found.
#include "core/NumberText.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace NumberTextProperties {

// The first property the text breaks, or "" when it keeps them all.
inline QString broken(const QString &text) {
    const double value = NumberText::value(text);
    if (!std::isfinite(value))
        return QStringLiteral("Val is not finite");
    const int whole = NumberText::wholeNumber(text);
    const qint64 rounded = NumberText::roundHalfEven(value);
    const qint64 clamped = std::clamp<qint64>(rounded, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max());
    if (whole != clamped)
        return QStringLiteral("intVal differs from Val rounded and clamped");
    if (NumberText::value(NumberText::withBlank(whole)) != whole ||
        NumberText::wholeNumber(NumberText::withBlank(whole)) != whole)
        return QStringLiteral("NumberText::withBlank(intVal) does not read back");
    // A letter cannot continue a number, and blanks in front are skipped.
    if (NumberText::value(text + QLatin1Char('x')) != value)
        return QStringLiteral("a letter after the text changes the reading");
    if (NumberText::value(QStringLiteral("  ") + text) != value)
        return QStringLiteral("blanks in front change the reading");
    return {};
}

} // namespace NumberTextProperties
