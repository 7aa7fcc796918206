// The real program, ending itself a moment after the menu's first paint, when
// the record has been opened. It uses exit() rather than quit(): quit()
// closes the windows, and the menu's close box asks before it lets the
// program end.
#include "app/App.h"
#include "first_paint.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char **argv) {
    return runProgram(argc, argv, [] {
        reportFirstPaint();
        QTimer::singleShot(settleMsAfterPaint, qApp, [] { QCoreApplication::exit(0); });
    });
}
