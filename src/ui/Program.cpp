#include "Program.h"

#include "Screen.h"

#include <QCoreApplication>

namespace {
std::function<void()> &handler() {
    static std::function<void()> h;
    return h;
}
} // namespace

namespace Program {

void end() {
    if (handler()) {
        handler()();
        return;
    }
    Screen::closeAllForEnd();
    QCoreApplication::exit(0);
    // Asked before the main loop runs (from a box of the menu's load handler),
    // the exit above only ends that box's loop: the main loop ends at its start.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void setEndHandler(std::function<void()> h) {
    handler() = std::move(h);
}

} // namespace Program
