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
}

void setEndHandler(std::function<void()> h) {
    handler() = std::move(h);
}

} // namespace Program
