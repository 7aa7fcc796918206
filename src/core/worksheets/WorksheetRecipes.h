#pragma once

#include "core/structure/NumberFamilyTask.h"

#include <QString>
#include <QStringList>

#include <array>

// The lines that one press of " Übung" adds to a worksheet, one function per
// task type. Each returns the exact text to append, every line ending in
// CR LF; the numbers come from Random::fraction(), drawn afresh per call.
namespace WorksheetRecipes {

inline const QString lineEnd = QStringLiteral("\r\n");

// A task number 1 .. range.
int taskNumber(int range);

// "<  =  >": five numbers with a gap for a sign between each two.
QString comparisonLine(int range);
// "Ziffern": a number, " = " and thirty underscores.
QString digitsLine(int range);
// "Wörter": a gap for the digits of the given number word.
QString wordsLine(const QString &word);
// "Bilder": the symbols T, H, Z and E that stand for a number, as far as
// the range needs them, never none at all.
QString pictureSymbols(int range);
QString picturesLine(int range);
// "Mengen": the digits, then one "__" gap for every unit of the digit sum.
QString quantitiesLine(int range);
// "Strahl": a line to draw on and a ruler beneath it.
QString numberLineLines();
// "Familie": the nine members shown of the family and a gap.
QString familyLine(const NumberFamilyTask::Members &family);
// "Nachbarn": gaps for predecessor and successor, twice as wide as the number.
QString neighboursLine(int range);
// "Zerlegen": one gap per digit, the widest for the highest place.
QString decompositionLine(int range);
// "Zählen": a start number 10 .. range - 10 and six gaps to count on; no
// line ("") for a range below 20, which has no such start.
QString countingLine(int range);
// "Ordnen": an empty line, the five numbers, five gaps for them in order.
QString orderingLines(const QStringList &numbers);

} // namespace WorksheetRecipes
