#include "RecordStatistics.h"

#include "core/worksheets/WorksheetTasks.h"

#include <QHash>
#include <QMap>

#include <algorithm>

namespace RecordStatistics {

namespace {

// The exercise's place in the worksheet list; unknown names go last.
int exerciseOrder(const QString &exercise) {
    const qsizetype index = WorksheetTasks::types().indexOf(exercise);
    return index < 0 ? int(WorksheetTasks::types().size()) : int(index);
}

struct Tally {
    ExerciseSummary summary;
    int rightFirst = 0;
    qint64 taskMilliseconds = 0; // of the task now being tried
};

// The most counted first; equal counts keep the order they were met in.
template <class T> QList<T> mostFirst(QList<T> items, int limit) {
    std::stable_sort(items.begin(), items.end(),
                     [](const T &a, const T &b) { return a.count > b.count; });
    if (limit >= 0 && items.size() > limit)
        items.resize(limit);
    return items;
}

} // namespace

QList<ExerciseSummary> perExercise(const QList<AnswerRecord> &answers) {
    QMap<QString, Tally> tallies;
    for (const AnswerRecord &answer : answers) {
        Tally &tally = tallies[answer.exercise];
        ExerciseSummary &summary = tally.summary;
        ++summary.answers;
        if (answer.attempt <= 1) {
            ++summary.tasks;
            summary.practiceMilliseconds += tally.taskMilliseconds;
            tally.taskMilliseconds = 0;
            if (answer.right)
                ++tally.rightFirst;
        }
        // A later try's time runs from the same moment the task appeared.
        tally.taskMilliseconds = std::max(tally.taskMilliseconds, answer.millisecondsShown);
        if (!summary.ranges.contains(answer.range))
            summary.ranges.append(answer.range);
    }
    QList<ExerciseSummary> list;
    for (auto it = tallies.begin(); it != tallies.end(); ++it) {
        ExerciseSummary summary = it->summary;
        summary.exercise = it.key();
        summary.practiceMilliseconds += it->taskMilliseconds;
        if (summary.tasks > 0) {
            summary.firstTryPercent = 100.0 * it->rightFirst / summary.tasks;
            summary.triesPerTask = double(summary.answers) / summary.tasks;
        }
        std::sort(summary.ranges.begin(), summary.ranges.end());
        list.append(summary);
    }
    std::stable_sort(list.begin(), list.end(), [](const auto &a, const auto &b) {
        return exerciseOrder(a.exercise) < exerciseOrder(b.exercise);
    });
    return list;
}

QList<DayCounts> perDay(const QList<AnswerRecord> &answers) {
    QMap<QDate, DayCounts> days;
    for (const AnswerRecord &answer : answers) {
        DayCounts &day = days[answer.at.date()];
        day.day = answer.at.date();
        ++(answer.right ? day.right : day.wrong);
    }
    return days.values();
}

QList<Mistake> frequentMistakes(const QList<AnswerRecord> &answers, int limit) {
    QList<Mistake> mistakes;
    QHash<QString, qsizetype> index;
    for (const AnswerRecord &answer : answers) {
        if (answer.right)
            continue;
        const QString key =
            answer.exercise + QChar(0) + QString::number(answer.range) + QChar(0) + answer.task;
        auto found = index.constFind(key);
        if (found == index.constEnd()) {
            found = index.insert(key, mistakes.size());
            mistakes.append({answer.exercise, answer.range, answer.task, {}, 0});
        }
        Mistake &mistake = mistakes[*found];
        ++mistake.count;
        if (!mistake.given.contains(answer.given))
            mistake.given.append(answer.given);
    }
    return mostFirst(mistakes, limit);
}

QList<WeakSpot> weakSpots(const QList<AnswerRecord> &answers, int limit) {
    struct Spot {
        WeakSpot spot;
        int count = 0;
    };
    QList<Spot> spots;
    QHash<QString, qsizetype> index;
    for (const AnswerRecord &answer : answers) {
        if (answer.right)
            continue;
        const QString key = answer.exercise + QChar(0) + QString::number(answer.range);
        auto found = index.constFind(key);
        if (found == index.constEnd()) {
            found = index.insert(key, spots.size());
            spots.append({{answer.exercise, answer.range, 0}, 0});
        }
        ++spots[*found].count;
    }
    QList<WeakSpot> list;
    for (const Spot &spot : mostFirst(spots, limit))
        list.append({spot.spot.exercise, spot.spot.range, spot.count});
    return list;
}

} // namespace RecordStatistics
