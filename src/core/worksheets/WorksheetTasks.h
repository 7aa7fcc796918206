#pragma once

#include "WorksheetKey.h"

#include <QString>
#include <QStringList>

// The task types a worksheet can hold, as the drop-down list names them, and
// the text one press of " Übung" appends for a type.
namespace WorksheetTasks {

// The eleven types in list order; index 3 is "Wörter".
const QStringList &types();
constexpr int wordsIndex = 3;

// The text to append for this type in the number range; "" for a name that
// is no type and for a range below 1. "Wörter", "Familie" and "Ordnen" draw through the rules of
// their exercise, so a sheet's task is one the exercise could have set.
QString taskText(const QString &type, int range);

// The answer-key rule of this type; null for a name that is no type.
WorksheetKey::Rule keyRule(const QString &type);

} // namespace WorksheetTasks
