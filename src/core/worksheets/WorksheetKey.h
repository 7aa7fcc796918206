#pragma once

#include <QString>

// The answer key of a worksheet task: one rule per task type, beside the
// recipe that writes the task. A rule reads the numbers the task text shows
// and puts the answers into its gaps (each run of underscores is one gap);
// the rest of the text stays as it is, line ends included. A text that does
// not read as a task of the rule's type comes back unchanged: no rule
// invents an answer.
namespace WorksheetKey {

using Rule = QString (*)(const QString &taskText);

// "<  =  >": "<", "=" or ">" between each two numbers.
QString solveComparison(const QString &taskText);
// "Ordnen": the five numbers in ascending order.
QString solveOrdering(const QString &taskText);
// "Ziffern": the number word of the number.
QString solveDigits(const QString &taskText);
// "Wörter": the digits of the number word.
QString solveWords(const QString &taskText);
// "Bilder": the number the symbols make (T 1000, H 100, Z 10, E 1).
QString solvePictures(const QString &taskText);
// "Mengen": one place value per gap, highest first: 345 = 100+100+100+10+...
QString solveQuantities(const QString &taskText);
// "Strahl": unchanged, see there.
QString solveNumberLine(const QString &taskText);
// "Familie": the member of the family that is not shown.
QString solveFamily(const QString &taskText);
// "Nachbarn": the predecessor and the successor.
QString solveNeighbours(const QString &taskText);
// "Zerlegen": the place value of each digit, 0 for a zero: 305 = 300+0+5.
QString solveDecomposition(const QString &taskText);
// "Zählen": the six numbers after the start number.
QString solveCounting(const QString &taskText);

// The rule of a task type as the list names it; null for a name that is no type.
Rule ruleFor(const QString &type);

// The task text solved by the rule of its type; unchanged for a name that is no type.
QString solve(const QString &type, const QString &taskText);

} // namespace WorksheetKey
