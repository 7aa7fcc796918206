#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

// One child's first tries in one exercise, as the server counts them.
struct ClassCell {
    QString childId;
    QString exercise;
    int tasks = 0;      // answers with attempt 1
    int rightFirst = 0; // of those, right
    qint64 practiceMilliseconds = 0;
    qint64 lastAtMs = 0; // the latest answer, milliseconds since the epoch
};

// How a share reads at a glance; never by its colour alone.
enum class Band { None, Red, Yellow, Green };

// One row of the class table: a child of the class, practised or not.
struct ClassRow {
    QString childId;
    QString name;
    QMap<QString, ClassCell> cells; // by exercise; missing where the child did not practise
    QDate lastDay;                  // null when the child did not practise
    qint64 practiceMilliseconds = 0;
};

// The class table's rules: rows from the server's counts, shares, bands,
// their words, and the order a column sorts in.
namespace ClassTable {

// Whole per cent right at the first try; -1 for a cell without tasks.
int share(const ClassCell &cell);
// Green from 80 %, yellow from 50 %, red below; None without tasks.
Band band(const ClassCell &cell);
// "grün", "gelb", "rot", "" for None.
QString bandWord(Band band);
// "85 % von 20, grün": what the cell shows and a screen reader reads.
QString cellText(const ClassCell &cell);

struct Child {
    QString id;
    QString name;
};

// One row per child in the order given; the cells of children not in the
// list are dropped. lastDay is the local date of the latest answer.
QList<ClassRow> rows(const QList<Child> &children, const QList<ClassCell> &cells);

// The exercises that have at least one cell, in the worksheet list's order.
QStringList exercises(const QList<ClassRow> &rows);

// The columns: 0 the name, then one per exercise, then the last day, then
// the practice time.
enum class Column { Name, Exercise, LastDay, PracticeTime };

// Sorted by that column (exercise names the column when it is Exercise).
// Names sort as a German reader expects; empty cells and days stay at the
// end whichever the direction; equal keys keep the names' order.
QList<ClassRow> sorted(QList<ClassRow> rows, Column column, const QString &exercise,
                       bool ascending);

} // namespace ClassTable
