// The scaling benchmark: from F11 to the fully repainted full-screen
// exercise, and from a resize of its window to the repaint, on the ordering
// screen (the most controls to place after the counting screen). Goal: at
// most 50 ms each.
#include "app/App.h"
#include "offscreen.h"
#include "ui/relations/OrderingScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Counts the screen's paints, so a step ends when its repaint is done.
class Paints : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds from the step until the screen has been painted afterwards.
double untilPainted(QWidget &screen, Paints &paints, const std::function<void()> &step) {
    QElapsedTimer timer;
    timer.start();
    const int before = paints.count;
    step();
    while (paints.count == before)
        QApplication::processEvents(QEventLoop::AllEvents);
    screen.repaint(); // whatever was still pending: the whole window is drawn
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv) {
    offscreenUnlessChosen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    nameProgram();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    App program;
    OrderingScreen &screen = program.ordering();
    screen.display();
    screen.newTask();
    Paints paints;
    screen.installEventFilter(&paints);
    QApplication::processEvents();

    QKeyEvent f11(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier);
    std::vector<double> toFull, toWindow, grow, shrink;
    for (int run = 0; run < 21; ++run) {
        toFull.push_back(
            untilPainted(screen, paints, [&] { QApplication::sendEvent(&screen, &f11); }));
        toWindow.push_back(
            untilPainted(screen, paints, [&] { QApplication::sendEvent(&screen, &f11); }));
        grow.push_back(untilPainted(screen, paints, [&] { screen.resize(1920, 1080); }));
        shrink.push_back(
            untilPainted(screen, paints, [&] { screen.resize(screen.designedSize()); }));
    }
    const QSize full = screen.screen()->geometry().size();
    std::printf("scaling (offscreen, ordering screen, median of 21)\n");
    std::printf("  F11 to full screen (%dx%d) : %6.2f ms\n", full.width(), full.height(),
                median(toFull));
    std::printf("  F11 back to the window      : %6.2f ms\n", median(toWindow));
    std::printf("  resize to 1920x1080         : %6.2f ms\n", median(grow));
    std::printf("  resize back to 100 %%        : %6.2f ms  (goal: at most 50 ms each)\n",
                median(shrink));
    return 0;
}
