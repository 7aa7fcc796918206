#include "ClassTable.h"

#include "core/worksheets/WorksheetTasks.h"

#include <QCollator>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <optional>

namespace ClassTable {

int share(const ClassCell &cell) {
    if (cell.tasks <= 0)
        return -1;
    return int((200LL * cell.rightFirst + cell.tasks) / (2LL * cell.tasks));
}

Band band(const ClassCell &cell) {
    const int percent = share(cell);
    if (percent < 0)
        return Band::None;
    if (percent >= 80)
        return Band::Green;
    return percent >= 50 ? Band::Yellow : Band::Red;
}

QString bandWord(Band band) {
    switch (band) {
    case Band::Green:
        return QStringLiteral("grün");
    case Band::Yellow:
        return QStringLiteral("gelb");
    case Band::Red:
        return QStringLiteral("rot");
    case Band::None:
        break;
    }
    return QString();
}

QString cellText(const ClassCell &cell) {
    if (cell.tasks <= 0)
        return QString();
    const QLocale german(QLocale::German, QLocale::Germany);
    return QStringLiteral("%1 % von %2, %3")
        .arg(share(cell))
        .arg(german.toString(cell.tasks), bandWord(band(cell)));
}

QList<ClassRow> rows(const QList<Child> &children, const QList<ClassCell> &cells) {
    QList<ClassRow> list;
    QHash<QString, qsizetype> index;
    for (const Child &child : children) {
        index.insert(child.id, list.size());
        list.append({child.id, child.name, {}, {}, 0});
    }
    QHash<QString, qint64> last;
    for (const ClassCell &cell : cells) {
        const auto found = index.constFind(cell.childId);
        if (found == index.constEnd() || cell.tasks <= 0)
            continue;
        ClassRow &row = list[*found];
        row.cells.insert(cell.exercise, cell);
        row.practiceMilliseconds += cell.practiceMilliseconds;
        last[cell.childId] = std::max(last.value(cell.childId), cell.lastAtMs);
    }
    for (ClassRow &row : list)
        if (last.contains(row.childId))
            row.lastDay = QDateTime::fromMSecsSinceEpoch(last.value(row.childId)).date();
    return list;
}

QStringList exercises(const QList<ClassRow> &rows) {
    QStringList present;
    for (const QString &type : WorksheetTasks::types())
        for (const ClassRow &row : rows)
            if (row.cells.contains(type)) {
                present << type;
                break;
            }
    // Names the worksheet list does not know (a newer program's) go last.
    for (const ClassRow &row : rows)
        for (const QString &exercise : row.cells.keys())
            if (!present.contains(exercise))
                present << exercise;
    return present;
}

namespace {

// The value a row sorts by; none for an empty cell.
std::optional<double> key(const ClassRow &row, Column column, const QString &exercise) {
    switch (column) {
    case Column::Exercise:
        if (!row.cells.contains(exercise))
            return std::nullopt;
        return share(row.cells.value(exercise));
    case Column::LastDay:
        if (row.lastDay.isNull())
            return std::nullopt;
        return double(row.lastDay.toJulianDay());
    case Column::PracticeTime:
        if (row.lastDay.isNull())
            return std::nullopt;
        return double(row.practiceMilliseconds);
    case Column::Name:
        break;
    }
    return 0.0;
}

} // namespace

QList<ClassRow> sorted(QList<ClassRow> rows, Column column, const QString &exercise,
                       bool ascending) {
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rows.begin(), rows.end(), [&](const ClassRow &a, const ClassRow &b) {
        return collator.compare(a.name, b.name) < 0;
    });
    if (column == Column::Name) {
        if (!ascending)
            std::reverse(rows.begin(), rows.end());
        return rows;
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const ClassRow &a, const ClassRow &b) {
        const auto x = key(a, column, exercise);
        const auto y = key(b, column, exercise);
        if (!x || !y)
            return x.has_value() && !y.has_value();
        return ascending ? *x < *y : *x > *y;
    });
    return rows;
}

} // namespace ClassTable
