#pragma once

#include "AnswerRecord.h"

#include <QDate>
#include <QList>
#include <QStringList>

struct ExerciseSummary {
    QString exercise;
    int tasks = 0; // distinct tasks (answers with attempt == 1)
    int answers = 0;
    double firstTryPercent = 0; // tasks right at the first try / tasks * 100
    double triesPerTask = 0;    // answers / tasks
    qint64 practiceMilliseconds = 0;
    QList<int> ranges; // ascending, distinct
};

struct DayCounts {
    QDate day;
    int right = 0;
    int wrong = 0;
};

// One task that went wrong, most often first.
struct Mistake {
    QString exercise;
    int range = 0;
    QString task;
    QStringList given; // the wrong answers given, first given first, each once
    int count = 0;
};

struct WeakSpot {
    QString exercise;
    int range = 0;
    int mistakes = 0;
};

// What the record shows about a list of answers.
namespace RecordStatistics {

// One summary per exercise that has answers, in WorksheetTasks::types() order.
QList<ExerciseSummary> perExercise(const QList<AnswerRecord> &answers);
// Ascending days that have answers.
QList<DayCounts> perDay(const QList<AnswerRecord> &answers);
// The tasks answered wrong most often; ties keep the earlier mistake first.
QList<Mistake> frequentMistakes(const QList<AnswerRecord> &answers, int limit);
// Exercise and range with the most wrong answers.
QList<WeakSpot> weakSpots(const QList<AnswerRecord> &answers, int limit);

} // namespace RecordStatistics
