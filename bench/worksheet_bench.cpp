// The worksheet benchmark: the time for 1 000 and for 10 000 presses of
// " Übung" with the types taken in turn, each press followed by the event
// processing a teacher's screen would see. Appending must stay cheap however
// long the sheet grows, so ten times the presses should take about ten times
// as long.
#include "app/App.h"
#include "core/Random.h"
#include "offscreen.h"
#include "ui/Windows.h"
#include "ui/worksheets/WorksheetDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

namespace {

double pressesMs(WorksheetDialog &dialog, int presses) {
    dialog.findChild<QPushButton *>(QStringLiteral("Befehl4"))->click(); // Löschen
    QApplication::processEvents();
    QComboBox *types = dialog.typeList();
    QPushButton *addTask = dialog.findChild<QPushButton *>(QStringLiteral("Befehl3"));
    Random::seed(7);
    QElapsedTimer timer;
    timer.start();
    for (int press = 0; press < presses; ++press) {
        types->setCurrentIndex(press % types->count());
        addTask->click();
        QApplication::processEvents();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (dialog.textField()->blockCount() < presses)
        std::fprintf(stderr, "worksheet_bench: the sheet is too short\n");
    return ms;
}

} // namespace

int main(int argc, char **argv) {
    offscreenUnlessChosen();
    QApplication app(argc, argv);
    App program;
    program.session().setRange(1000);
    WorksheetDialog &dialog = program.worksheet();
    dialog.display();
    QApplication::processEvents();
    pressesMs(dialog, 100); // warm up
    // The best of a few runs each: other work on the machine only ever adds time.
    const double small =
        std::min({pressesMs(dialog, 1000), pressesMs(dialog, 1000), pressesMs(dialog, 1000)});
    const double large = std::min(pressesMs(dialog, 10000), pressesMs(dialog, 10000));
    std::printf("worksheet (%s, mixed types)\n", qPrintable(QGuiApplication::platformName()));
    std::printf("  1 000 presses : %8.1f ms  (best of 3)\n", small);
    std::printf("  10 000 presses: %8.1f ms  (best of 2)\n", large);
    std::printf("  ratio         : %8.2f  (goal: at most 12)\n", large / small);
    deleteOwnerlessWindows();
    return 0;
}
