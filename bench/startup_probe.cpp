// The real program, ending itself right after the menu's first paint.
#include "app/App.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    return runProgram(argc, argv, [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
}
