#include "App.h"

#include "EndRequests.h"
#include "ui/Dialogs.h"
#include "ui/InfoScreen.h"
#include "ui/MenuScreen.h"
#include "ui/WindowSize.h"
#include "ui/Windows.h"
#include "ui/memory/MemoryScreen.h"
#include "ui/numbers/DigitsScreen.h"
#include "ui/numbers/WordsScreen.h"
#include "ui/quantities/PicturesScreen.h"
#include "ui/quantities/QuantitiesScreen.h"
#include "ui/record/ChildQuestion.h"
#include "ui/record/RecordViewModule.h"
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
#include <QTimer>

#include <type_traits>

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

App::App(const QString &recordPath)
    : store_(recordPath), recorder_(session_), menu_(new MenuScreen(session_)) {
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
    for (const QPointer<Screen> &screen : owned_)
        delete screen;
    delete menu_;
}

template <class T> T &App::created(QPointer<T> &slot) {
    if (!slot) {
        if constexpr (std::is_constructible_v<T, Session &>)
            slot = new T(session_);
        else
            slot = new T;
        returnsToMenu(*slot);
        owned_.push_back(slot.data());
    }
    return *slot;
}

void App::returnsToMenu(Screen &screen) {
    QObject::connect(&screen, &Screen::leftScreen, menu_, &Screen::display, Qt::UniqueConnection);
}

InfoScreen &App::info() {
    if (!info_) {
        info_ = new InfoScreen;
        owned_.push_back(info_.data());
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
    return created(digits_);
}

WordsScreen &App::words() {
    return created(words_);
}

QuantitiesScreen &App::quantities() {
    return created(quantities_);
}

PicturesScreen &App::pictures() {
    return created(pictures_);
}

NumberLineScreen &App::numberLine() {
    return created(numberLine_);
}

NumberFamilyScreen &App::numberFamily() {
    return created(numberFamily_);
}

DecompositionScreen &App::decomposition() {
    return created(decomposition_);
}

NeighboursScreen &App::neighbours() {
    return created(neighbours_);
}

ComparisonScreen &App::comparison() {
    return created(comparison_);
}

CountingScreen &App::counting() {
    return created(counting_);
}

OrderingScreen &App::ordering() {
    return created(ordering_);
}

WorksheetDialog &App::worksheet() {
    const bool first = !worksheet_;
    WorksheetDialog &dialog = created(worksheet_);
    if (first) {
        dialog.setDelivered([this](WorksheetOutput::Document document, bool pdf,
                                   const QString &where) {
            session_.record(
                RecordEvent{{},
                            RecordEventKind::sheet(document == WorksheetOutput::Document::Key, pdf),
                            where,
                            QDateTime::currentDateTime()});
        });
        dialog.setRecordOpener([this] {
            openRecord();
            if (Screen *view = recordView()) {
                worksheet_->hide();
                view->display();
            }
        });
    }
    return dialog;
}

Screen *App::recordView() {
    if (recordView_)
        return recordView_;
    RecordViewModule *module = recordModule_.module();
    if (!module) {
        msgBox(QStringLiteral("Der Lernstand kann nicht angezeigt werden: Ein Teil des Programms "
                              "fehlt oder ist beschädigt. Bitte ZUB-Zahlen neu installieren.\n\n"
                              "%1\r")
                   .arg(recordModule_.problem()),
               MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Lernstand"));
        return nullptr;
    }
    RecordViewLinks links;
    links.appendTask = [this](const QString &type, int range) {
        worksheet().appendTask(type, range);
    };
    // The child practising follows a new name, and a removed one gives the
    // answers back to the login account.
    links.childRenamed = [this](const QString &from, const QString &to) {
        if (recorder_.child() == from && recorder_.childId().isEmpty())
            recorder_.setChild(to);
    };
    // A child of the class server is not among the names kept here.
    links.childrenChanged = [this] {
        if (recorder_.childId().isEmpty() && !store_.children().contains(recorder_.child()))
            recorder_.setChild(QString());
    };
    // The first visit shows the child practising now.
    recordView_ = module->createRecordView(store_, recorder_.child(), links);
    owned_.push_back(recordView_.data());
    QObject::connect(recordView_, &Screen::leftScreen, worksheet_, &Screen::display);
    if (classServer_)
        module->attachClassServer(recordView_, *classServer_);
    return recordView_;
}

void App::askWhoPractises() {
    const QList<RosterChild> roster = classServer_ ? store_.roster() : QList<RosterChild>();
    if (!roster.isEmpty()) {
        asked_ = true;
        ChildQuestion question(roster);
        question.exec();
        recorder_.setChild(question.chosen(), question.chosenId());
        return;
    }
    const QStringList names = store_.children();
    if (!names.isEmpty()) {
        asked_ = true;
        recorder_.setChild(ChildQuestion::ask(names));
    }
}

void App::startClassServer() {
    if (classServer_)
        return;
    const QString service = ClassServer::configuredService();
    if (service.isEmpty())
        return;
    classServer_ = std::make_unique<ClassServer>(service, store_.path());
    QObject::connect(&recorder_, &Recorder::recorded, classServer_.get(), &ClassServer::nudge);
    // On a computer's first day the children arrive after start: asked then,
    // while the menu waits.
    QObject::connect(classServer_.get(), &ClassServer::rosterChanged, menu_, [this] {
        if (!asked_ && menu_->isVisible() && !QApplication::activeModalWidget())
            askWhoPractises();
    });
    if (recordView_)
        recordModule_.module()->attachClassServer(recordView_, *classServer_);
}

MemoryScreen &App::memory() {
    return created(memory_);
}

MenuScreen &App::menu() {
    return *menu_;
}

void App::start() {
    // The record opens on the event loop's next turn after the menu's first
    // paint: the child sees the menu without waiting for the database.
    auto *firstPaint = new FirstPaint([this] {
        QTimer::singleShot(0, menu_, [this] {
            openRecord();
            startClassServer();
            askWhoPractises();
        });
    });
    firstPaint->setParent(menu_);
    menu_->installEventFilter(firstPaint);
    menu_->display();
}

void App::openRecord() {
    if (store_.state() != RecordStore::State::Closed)
        return;
    store_.open();
    recorder_.setStore(&store_);
}

void nameProgram() {
    // The executable's name as well, so the desktop still matches the
    // program's windows to its entry by their window class.
    QCoreApplication::setOrganizationName(QStringLiteral("zubzahlen"));
    QCoreApplication::setApplicationName(QStringLiteral("zubzahlen"));
}

int runProgram(int argc, char **argv, std::function<void()> afterFirstPaint) {
    QApplication application(argc, argv);
    nameProgram();
    // For the board in front of a class: every screen fills the display.
    if (QCoreApplication::arguments().contains(QStringLiteral("--vollbild")))
        WindowSize::startInFullScreen();
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
    deleteOwnerlessWindows();
    return result;
}
