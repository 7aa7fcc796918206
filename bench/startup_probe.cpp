// The real program, ending itself right after the menu's first paint. It uses
// exit() rather than quit(): quit() closes the windows, and the menu's close
// box asks before it lets the program end.
#include "app/App.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char **argv) {
    return runProgram(argc, argv,
                      [] { QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); }); });
}
