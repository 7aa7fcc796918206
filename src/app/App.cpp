#include "App.h"

#include "EndRequests.h"
#include "ui/InfoScreen.h"
#include "ui/MenuScreen.h"
#include "ui/memory/MemoryScreen.h"
#include "ui/numbers/DigitsScreen.h"
#include "ui/numbers/WordsScreen.h"
#include "ui/quantities/PicturesScreen.h"
#include "ui/quantities/QuantitiesScreen.h"
#include "ui/relations/ComparisonScreen.h"
#include "ui/relations/CountingScreen.h"
#include "ui/relations/NeighboursScreen.h"
#include "ui/relations/OrderingScreen.h"
#include "ui/structure/DecompositionScreen.h"
#include "ui/structure/NumberFamilyScreen.h"
#include "ui/structure/NumberLineScreen.h"
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
    delete quantities_;
    delete pictures_;
    delete digits_;
    delete words_;
    delete memory_;
    delete worksheet_;
    delete info_;
    delete numberLine_;
    delete numberFamily_;
    delete decomposition_;
    delete neighbours_;
    delete comparison_;
    delete counting_;
    delete ordering_;
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

DigitsScreen &App::digits() {
    if (!digits_)
        digits_ = new DigitsScreen(session_);
    return backToMenu(*digits_);
}
WordsScreen &App::words() {
    if (!words_)
        words_ = new WordsScreen(session_);
    return backToMenu(*words_);
}
QuantitiesScreen &App::quantities() {
    if (!quantities_)
        quantities_ = new QuantitiesScreen(session_);
    return backToMenu(*quantities_);
}
PicturesScreen &App::pictures() {
    if (!pictures_)
        pictures_ = new PicturesScreen(session_);
    return backToMenu(*pictures_);
}
NumberLineScreen &App::numberLine() {
    if (!numberLine_)
        numberLine_ = new NumberLineScreen(session_);
    return backToMenu(*numberLine_);
}
NumberFamilyScreen &App::numberFamily() {
    if (!numberFamily_)
        numberFamily_ = new NumberFamilyScreen(session_);
    return backToMenu(*numberFamily_);
}
DecompositionScreen &App::decomposition() {
    if (!decomposition_)
        decomposition_ = new DecompositionScreen(session_);
    return backToMenu(*decomposition_);
}
NeighboursScreen &App::neighbours() {
    if (!neighbours_)
        neighbours_ = new NeighboursScreen(session_);
    return backToMenu(*neighbours_);
}
ComparisonScreen &App::comparison() {
    if (!comparison_)
        comparison_ = new ComparisonScreen(session_);
    return backToMenu(*comparison_);
}
CountingScreen &App::counting() {
    if (!counting_)
        counting_ = new CountingScreen(session_);
    return backToMenu(*counting_);
}
OrderingScreen &App::ordering() {
    if (!ordering_)
        ordering_ = new OrderingScreen(session_);
    return backToMenu(*ordering_);
}
WorksheetDialog &App::worksheet() {
    if (!worksheet_)
        worksheet_ = new WorksheetDialog(session_);
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
    EndRequests endRequests;
    QObject::connect(&endRequests, &EndRequests::endRequested, &app.menu(),
                     &MenuScreen::endWithoutAsking);
    FirstPaint watcher(std::move(afterFirstPaint));
    app.menu().installEventFilter(&watcher);
    app.start();
    const int result = application.exec();
    app.menu().removeEventFilter(&watcher);
    qDeleteAll(QApplication::topLevelWidgets());
    return result;
}
