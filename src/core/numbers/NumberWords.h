#pragma once

#include <QString>
#include <QtGlobal>

// The German number words, from 0 ("") to 1 000 000 ("eine Million").
namespace NumberWords {

// The seven-place digit string of a number, millions first: 345 gives "0000345".
QString sevenPlaces(qint64 number);

// The word of a seven-place digit string, millions first. A place the string
// does not reach, or that holds no digit, reads 0; the millions place counts
// only in "1000000".
QString ofPlaces(const QString &sevenPlaces);

// The word of a number 0 .. 1 000 000.
QString of(qint64 number);

} // namespace NumberWords
