#include "ClassMistakes.h"

#include <QHash>

#include <algorithm>

namespace ClassMistakes {

namespace {

QString taskKey(const WrongGiven &row) {
    return row.exercise + QChar(0) + QString::number(row.range) + QChar(0) + row.task;
}

} // namespace

QList<ClassMistake> shape(const QList<WrongGiven> &taskTotals, const QList<WrongGiven> &givens,
                          int childrenPractised, int limit) {
    QHash<QString, const WrongGiven *> common;
    for (const WrongGiven &row : givens) {
        const WrongGiven *&best = common[taskKey(row)];
        if (!best || row.count > best->count ||
            (row.count == best->count && row.given < best->given))
            best = &row;
    }
    const int least = childrenPractised > 1 ? 2 : 1;
    QList<ClassMistake> list;
    for (const WrongGiven &task : taskTotals) {
        if (task.children < least)
            continue;
        const WrongGiven *best = common.value(taskKey(task));
        list.append({task.exercise, task.range, task.task, task.children, task.count,
                     best ? best->given : QString()});
    }
    std::sort(list.begin(), list.end(), [](const ClassMistake &a, const ClassMistake &b) {
        if (a.children != b.children)
            return a.children > b.children;
        if (a.wrong != b.wrong)
            return a.wrong > b.wrong;
        return a.task < b.task;
    });
    if (limit >= 0 && list.size() > limit)
        list.resize(limit);
    return list;
}

} // namespace ClassMistakes
