#include "App.h"

#include "exercises/quantity/Form4.h"
#include "exercises/quantity/Form5.h"
#include "exercises/quantity/Form6.h"
#include "exercises/quantity/Form7.h"
#include "exercises/quantity/Form8.h"
#include "exercises/relation/Form10.h"
#include "exercises/relation/Form12.h"
#include "exercises/relation/Form13.h"
#include "exercises/relation/Form9.h"
#include "numbers/Form2.h"
#include "numbers/Form3.h"
#include "reward/memo.h"
#include "shell/Form1.h"
#include "shell/Screens.h"
#include "worksheets/Form11.h"

#include <QApplication>
#include <QEvent>

namespace {

// Watches the menu for its first paint.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && then_) {
            auto then = std::move(then_);
            then_ = nullptr;
            then();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

} // namespace

void wireScreens() {
    Form1 &menu = Screens::get<Form1>();
    menu.setExercises({
        {QStringLiteral("Befehl2"), [] { return &Screens::get<Form3>(); }, false},
        {QStringLiteral("Befehl3"), [] { return &Screens::get<Form2>(); }, false},
        {QStringLiteral("Befehl4"), [] { return &Screens::get<Form4>(); }, true},
        {QStringLiteral("Befehl5"), [] { return &Screens::get<Form5>(); }, true},
        {QStringLiteral("Befehl6"), [] { return &Screens::get<Form6>(); }, false},
        {QStringLiteral("Befehl7"), [] { return &Screens::get<Form7>(); }, false},
        {QStringLiteral("Befehl8"), [] { return &Screens::get<Form8>(); }, false},
        {QStringLiteral("Befehl9"), [] { return &Screens::get<Form9>(); }, false},
        {QStringLiteral("Befehl10"), [] { return &Screens::get<Form10>(); }, false},
        {QStringLiteral("Befehl11"), [] { return &Screens::get<Form12>(); }, false},
        {QStringLiteral("Befehl14"), [] { return &Screens::get<Form13>(); }, false},
    });
    menu.setWorksheetScreen([] { return &Screens::get<Form11>(); });
    menu.setRewardScreen([] { return &Screens::get<memo>(); });
}

int runProgram(int argc, char **argv, std::function<void()> afterFirstPaint) {
    QApplication app(argc, argv);
    // Only "Ende" ends the program; hiding the menu for a screen must not.
    app.setQuitOnLastWindowClosed(false);
    wireScreens();
    Form1 &menu = Screens::get<Form1>();
    FirstPaint watcher(std::move(afterFirstPaint));
    menu.installEventFilter(&watcher);
    menu.display();
    const int result = app.exec();
    menu.removeEventFilter(&watcher);
    qDeleteAll(QApplication::topLevelWidgets());
    return result;
}
