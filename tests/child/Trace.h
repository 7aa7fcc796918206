#pragma once

// A black-box record of a run, for comparing two builds of the program: after
// every action the screen on show, its title, focus and every visible named
// control with its text, value and place, the boxes that came up, and a hash
// of the screen's pixels. Only what a user sees goes in, so a change of the
// code's insides leaves it alone while a change of behaviour shows.

#include <QFile>
#include <QString>

struct SeenBox;
class QWidget;

class Trace {
public:
    // Writes to the file named by ZUB_CHILD_TRACE_FILE; without it does nothing.
    Trace();

    void action(int number, const QString &what, QWidget *screen);
    void box(const SeenBox &box);

private:
    QFile file_;
};
