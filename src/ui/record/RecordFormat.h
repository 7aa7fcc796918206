#pragma once

#include "core/record/RecordStatistics.h"

#include <QString>
#include <QStringList>

// How the learning record's figures read on screen and on paper: German
// numbers, minutes and seconds, ranges as a list.
namespace RecordFormat {

// The column titles of the table per exercise and of the frequent mistakes.
const QStringList &exerciseColumns();
const QStringList &mistakeColumns();

// One row of each table, cell by cell in the columns' order.
QStringList exerciseRow(const ExerciseSummary &summary);
QStringList mistakeRow(const Mistake &mistake);

// "12 min 5 s", "1 h 3 min", "40 s".
QString duration(qint64 milliseconds);

// The summary as plain lines for the printer: who, which period, one line
// per exercise, the frequent mistakes.
QString summaryText(const QString &child, const QString &period,
                    const QList<ExerciseSummary> &exercises, const QList<Mistake> &mistakes);

} // namespace RecordFormat
