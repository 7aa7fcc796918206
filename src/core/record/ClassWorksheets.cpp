#include "ClassWorksheets.h"

#include "core/worksheets/WorksheetKey.h"
#include "core/worksheets/WorksheetRecipes.h"
#include "core/worksheets/WorksheetTasks.h"

#include <QMap>

#include <algorithm>

namespace ClassWorksheets {

namespace {

int typeOrder(const QString &exercise) {
    return int(WorksheetTasks::types().indexOf(exercise));
}

QList<SheetTask> twiceEach(const QList<SheetTask> &spots) {
    QList<SheetTask> tasks;
    for (const SheetTask &spot : spots.mid(0, spotsPerSheet))
        for (int i = 0; i < tasksPerSpot; ++i)
            tasks << spot;
    return tasks;
}

} // namespace

QList<SheetTask> choose(const QList<PractisedSpot> &spots) {
    QList<PractisedSpot> known;
    for (const PractisedSpot &spot : spots)
        if (typeOrder(spot.exercise) >= 0 && spot.range > 0)
            known << spot;
    QList<PractisedSpot> wrong;
    std::copy_if(known.begin(), known.end(), std::back_inserter(wrong),
                 [](const PractisedSpot &s) { return s.wrong > 0; });
    QList<SheetTask> chosen;
    if (!wrong.isEmpty()) {
        std::sort(wrong.begin(), wrong.end(), [](const PractisedSpot &a, const PractisedSpot &b) {
            if (a.wrong != b.wrong)
                return a.wrong > b.wrong;
            if (a.exercise != b.exercise)
                return typeOrder(a.exercise) < typeOrder(b.exercise);
            return a.range < b.range;
        });
        for (const PractisedSpot &spot : wrong)
            chosen << SheetTask{spot.exercise, spot.range};
        return twiceEach(chosen);
    }
    // Per exercise: the tasks in all its ranges, and the largest range.
    QMap<int, PractisedSpot> perExercise;
    for (const PractisedSpot &spot : known) {
        PractisedSpot &sum = perExercise[typeOrder(spot.exercise)];
        sum.exercise = spot.exercise;
        sum.tasks += spot.tasks;
        sum.range = std::max(sum.range, spot.range);
    }
    QList<PractisedSpot> least = perExercise.values();
    std::stable_sort(
        least.begin(), least.end(),
        [](const PractisedSpot &a, const PractisedSpot &b) { return a.tasks < b.tasks; });
    for (const PractisedSpot &spot : least)
        chosen << SheetTask{spot.exercise, spot.range};
    return twiceEach(chosen);
}

ChildSheet sheet(const QString &child, const QDate &day, const QList<SheetTask> &tasks) {
    const QString date = day.toString(QStringLiteral("dd.MM.yyyy"));
    const QString &end = WorksheetRecipes::lineEnd;
    ChildSheet result{QStringLiteral("Arbeitsblatt für %1, %2").arg(child, date) + end + end,
                      QStringLiteral("Lösungen für %1, %2").arg(child, date) + end + end};
    for (const SheetTask &task : tasks) {
        const QString text = WorksheetTasks::taskText(task.exercise, task.range);
        result.sheet += text;
        result.key += WorksheetKey::solve(task.exercise, text);
    }
    return result;
}

} // namespace ClassWorksheets
