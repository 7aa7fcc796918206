#pragma once

#include <QString>
#include <QtGlobal>

// Numbers become text and text becomes numbers the same way everywhere:
// captions carry a leading blank for non-negative numbers, and text is read
// back by its longest numeric prefix.
namespace NumberText {

// The standard conversion: " 100" for 100, "-5" for -5.
QString withBlank(qint64 n);

// The bare decimal digits: "100" (a minus sign stays).
QString digits(qint64 n);

// Thousands grouped with a blank, for texts a reader scans: "4 099", "1 000 000".
QString grouped(qint64 n);

// The longest leading part of the text that reads as a number, blanks
// ignored anywhere; no number gives 0. "2 0abc" gives 20, "1.5e2" gives 150.
double value(const QString &text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
qint64 roundHalfEven(double value);

// value() rounded to a whole number, clamped into the 32-bit range.
int wholeNumber(const QString &text);

} // namespace NumberText
