#pragma once

#include <QList>
#include <QString>

// One wrong answer given to one task of the class, counted by the server.
struct WrongGiven {
    QString exercise;
    int range = 0;
    QString task;
    QString given;
    int children = 0; // children who gave this wrong answer to this task
    int count = 0;    // how often it was given
};

// A task many children of the class got wrong.
struct ClassMistake {
    QString exercise;
    int range = 0;
    QString task;
    int children = 0;    // children with at least one wrong answer to it
    int wrong = 0;       // wrong answers in all
    QString commonGiven; // the wrong answer given most often
};

namespace ClassMistakes {

// The tasks of the class gone wrong, from the server's counts: per task
// (taskTotals, `given` unused) and per wrong answer to a task (givens).
// Most children first, then most wrong answers, then the task text; the
// common wrong answer is the one given most often (ties: the first in
// alphabetical order). A task only one child got wrong is that child's,
// not the class's, unless only one child practised.
QList<ClassMistake> shape(const QList<WrongGiven> &taskTotals, const QList<WrongGiven> &givens,
                          int childrenPractised, int limit);

} // namespace ClassMistakes
