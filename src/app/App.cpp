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
#include "legacy/Screens.h"
#include "numbers/Form2.h"
#include "numbers/Form3.h"
#include "ui/InfoScreen.h"
#include "ui/MenuScreen.h"
#include "ui/memory/MemoryScreen.h"
#include "ui/worksheets/WorksheetDialog.h"

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

App::App() : menu_(new MenuScreen(session_)) {
    MODUL1::useSession(&session_);
    menu_->setExercises({
        {QStringLiteral("Befehl2"), [this] { return &digits(); }, false},
        {QStringLiteral("Befehl3"), [this] { return &words(); }, false},
        {QStringLiteral("Befehl4"), [this] { return &quantities(); }, true},
        {QStringLiteral("Befehl5"), [this] { return &pictures(); }, true},
        {QStringLiteral("Befehl6"), [this] { return &numberLine(); }, false},
        {QStringLiteral("Befehl7"), [this] { return &numberFamily(); }, false},
        {QStringLiteral("Befehl8"), [this] { return &decomposition(); }, false},
        {QStringLiteral("Befehl9"), [this] { return &neighbours(); }, false},
        {QStringLiteral("Befehl10"), [this] { return &comparison(); }, false},
        {QStringLiteral("Befehl11"), [this] { return &counting(); }, false},
        {QStringLiteral("Befehl14"), [this] { return &ordering(); }, false},
    });
    menu_->setWorksheetScreen([this] { return &worksheet(); });
    menu_->setRewardScreen([this] { return &memory(); });
    menu_->setInfoScreen([this] { return &info(); });
}

App::~App() {
    MODUL1::useSession(nullptr);
    delete memory_;
    delete worksheet_;
    delete info_;
    delete menu_;
}

void App::returnsToMenu(Screen &screen) {
    QObject::connect(&screen, &Screen::leftScreen, menu_, &Screen::display, Qt::UniqueConnection);
}

InfoScreen &App::info() {
    if (!info_) {
        info_ = new InfoScreen;
        // The menu comes to the front only when it is on the screen: an
        // exercise opened meanwhile keeps the menu hidden.
        QObject::connect(info_, &Screen::leftScreen, menu_, [this] {
            if (menu_->isVisible())
                menu_->display();
        });
    }
    return *info_;
}

Form3 &App::digits() {
    return backToMenu(Screens::get<Form3>());
}
Form2 &App::words() {
    return backToMenu(Screens::get<Form2>());
}
Form4 &App::quantities() {
    return backToMenu(Screens::get<Form4>());
}
Form5 &App::pictures() {
    return backToMenu(Screens::get<Form5>());
}
Form6 &App::numberLine() {
    return backToMenu(Screens::get<Form6>());
}
Form7 &App::numberFamily() {
    return backToMenu(Screens::get<Form7>());
}
Form8 &App::decomposition() {
    return backToMenu(Screens::get<Form8>());
}
Form9 &App::neighbours() {
    return backToMenu(Screens::get<Form9>());
}
Form10 &App::comparison() {
    return backToMenu(Screens::get<Form10>());
}
Form12 &App::counting() {
    return backToMenu(Screens::get<Form12>());
}
Form13 &App::ordering() {
    return backToMenu(Screens::get<Form13>());
}
WorksheetDialog &App::worksheet() {
    if (!worksheet_)
        worksheet_ = new WorksheetDialog;
    return backToMenu(*worksheet_);
}
MemoryScreen &App::memory() {
    if (!memory_)
        memory_ = new MemoryScreen;
    return backToMenu(*memory_);
}

MenuScreen &App::menu() {
    return *menu_;
}

void App::start() {
    menu_->display();
}

int runProgram(int argc, char **argv, std::function<void()> afterFirstPaint) {
    QApplication application(argc, argv);
    // Only "Ende" ends the program; hiding the menu for a screen must not.
    application.setQuitOnLastWindowClosed(false);
    App app;
    FirstPaint watcher(std::move(afterFirstPaint));
    app.menu().installEventFilter(&watcher);
    app.start();
    const int result = application.exec();
    app.menu().removeEventFilter(&watcher);
    qDeleteAll(QApplication::topLevelWidgets());
    return result;
}
