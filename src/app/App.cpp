#include "App.h"

#include "exercises/relation/Form12.h"
#include "exercises/relation/Form9.h"
#include "shell/Form1.h"
#include "shell/Screens.h"

#include <QApplication>
#include <QEvent>

namespace {

// Watches the menu for its first paint.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
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

void wireScreens()
{
    Form1 &menu = Screens::get<Form1>();
    menu.setExercises({
        {QStringLiteral("Befehl9"), [] { return &Screens::get<Form9>(); }, false},
        {QStringLiteral("Befehl11"), [] { return &Screens::get<Form12>(); }, false},
    });
}

int runProgram(int argc, char **argv, std::function<void()> afterFirstPaint)
{
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
