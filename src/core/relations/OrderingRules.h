#pragma once

#include "OrderingTask.h"

#include <QStringList>

namespace OrderingRules {

// Draws five numbers 1 .. range from Random::fraction(). A number is
// compared once with each earlier one, in order, and raised by one at every
// match; it is not compared again after a raise, so equal numbers can remain
// (5, 4, 4 gives 5, 4, 5) and a number can end up to 4 above the range.
OrderingRow drawNumbers(int range);

// The same numbers from the smallest to the largest; equal numbers stay
// side by side.
OrderingRow sortedAscending(OrderingRow numbers);

// The drawn numbers and their order.
OrderingTask drawTask(int range);

// The shown numbers as their labels and the worksheet write them: bare digits.
QStringList shownTexts(const OrderingTask &task);

// Whether every answer box holds, by the numeric value of its caption, the
// number that belongs at its place; an empty box counts as 0.
bool isRight(const OrderingTask &task, const QStringList &boxes);

} // namespace OrderingRules
