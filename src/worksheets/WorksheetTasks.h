#pragma once

#include <QString>
#include <QStringList>

// The task types a worksheet can hold, as the drop-down list names them, and
// the text one press of " Übung" appends for a type.
namespace WorksheetTasks {

// The eleven types in list order; index 3 is "Wörter".
const QStringList &types();
constexpr int wordsIndex = 3;

// The text to append for this type in the current number range; "" for a
// name that is no type. "Wörter", "Familie" and "Ordnen" run the exercise's
// own task routine on its hidden screen and read the task back from there.
QString taskText(const QString &type);

} // namespace WorksheetTasks
