#pragma once

#include <QDate>
#include <QList>
#include <QString>

// What one child did in one exercise and number range, counted by the server.
struct PractisedSpot {
    QString exercise;
    int range = 0;
    int tasks = 0; // first tries
    int wrong = 0; // wrong answers
};

struct SheetTask {
    QString exercise;
    int range = 0;
};

// One child's worksheet and its answer key, as text for the printer.
struct ChildSheet {
    QString sheet;
    QString key;
};

// A worksheet for each child of a class from the child's own figures.
namespace ClassWorksheets {

constexpr int spotsPerSheet = 3;
constexpr int tasksPerSpot = 2;

// The tasks to draw: the three spots with the most wrong answers (ties in
// the worksheet list's order, then the smaller range), two tasks each; for
// a child without mistakes the three exercises practised least, in the
// largest range practised there. Exercises the worksheet does not know are
// left out; nothing for a child who did not practise.
QList<SheetTask> choose(const QList<PractisedSpot> &spots);

// The sheet headed with the child's name and the date, the tasks drawn
// afresh, and the key with the same lines and the answers filled in.
ChildSheet sheet(const QString &child, const QDate &day, const QList<SheetTask> &tasks);

} // namespace ClassWorksheets
