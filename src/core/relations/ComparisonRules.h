#pragma once

#include "ComparisonTask.h"

#include <QList>
#include <QString>

class Session;

namespace ComparisonRules {

// The sign that tells how the left number stands to the right one:
// "=" when equal, "<" when the left is smaller, ">" when it is greater.
QString sign(int left, int right);

// The expected answer for a row of numbers: one sign for each pair of
// neighbours, left to right, written without blanks (3 8 5 5 9 gives "<>=<").
QString signs(const QList<int> &row);

// Five numbers drawn from the session, left to right.
ComparisonTask drawTask(const Session &session);

// The squares' signs joined left to right; an empty square shortens the answer.
bool isRight(const ComparisonTask &task, const QString &answer);

} // namespace ComparisonRules
