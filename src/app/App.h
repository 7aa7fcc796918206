#pragma once

#include "core/Session.h"
#include "store/ClassServer.h"
#include "store/RecordStore.h"
#include "ui/Screen.h"
#include "ui/record/RecordModuleLoader.h"
#include "ui/record/Recorder.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class ComparisonScreen;
class CountingScreen;
class InfoScreen;
class MemoryScreen;
class MenuScreen;
class PicturesScreen;
class QuantitiesScreen;
class Screen;
class NumberLineScreen;
class NumberFamilyScreen;
class DecompositionScreen;
class NeighboursScreen;
class OrderingScreen;
class DigitsScreen;
class WordsScreen;
class WorksheetDialog;

// The composition root: owns the session, the learning record and the
// screens, creates each screen on first use and hands it what it needs, and
// sends every screen's way out back to the menu.
class App {
public:
    // The learning record is kept in the file at recordPath.
    explicit App(const QString &recordPath = RecordStore::defaultPath());
    ~App();
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    Session &session() { return session_; }
    RecordStore &recordStore() { return store_; }
    Recorder &recorder() { return recorder_; }
    MenuScreen &menu();
    InfoScreen &info();

    QuantitiesScreen &quantities();
    PicturesScreen &pictures();
    NumberLineScreen &numberLine();
    NumberFamilyScreen &numberFamily();
    DecompositionScreen &decomposition();
    NeighboursScreen &neighbours();
    ComparisonScreen &comparison();
    CountingScreen &counting();
    OrderingScreen &ordering();
    DigitsScreen &digits();
    WordsScreen &words();
    WorksheetDialog &worksheet();
    MemoryScreen &memory();
    // The learning record view, opened from the worksheet dialog; nullptr
    // when its module is missing (the user has been told).
    Screen *recordView();
    RecordModuleLoader &recordModule() { return recordModule_; }

    // Shows the menu (its load handler reads the settings file); the learning
    // record is opened once the menu has been painted, so start-up never waits for it.
    void start();
    // Opens the learning record and hands it to the recorder (once).
    void openRecord();
    // The sender to the class server, when one is configured in Qt's settings
    // (classServer/service); without one no network code runs at all.
    void startClassServer();
    ClassServer *classServer() { return classServer_.get(); }

    // A screen left by its own way out brings the menu back.
    void returnsToMenu(Screen &screen);

private:
    // The screen in this slot, created on first use and sent back to the menu
    // when it is left.
    template <class T> T &created(QPointer<T> &slot);
    // "Wer übt?" when the record has names, or the class server's children
    // of this computer; the answers then go to the child chosen.
    void askWhoPractises();

    Session session_;
    RecordStore store_;
    Recorder recorder_;
    QPointer<MenuScreen> menu_;
    QPointer<InfoScreen> info_;
    std::vector<QPointer<Screen>> owned_;
    QPointer<QuantitiesScreen> quantities_;
    QPointer<PicturesScreen> pictures_;
    QPointer<NumberLineScreen> numberLine_;
    QPointer<NumberFamilyScreen> numberFamily_;
    QPointer<DecompositionScreen> decomposition_;
    QPointer<NeighboursScreen> neighbours_;
    QPointer<ComparisonScreen> comparison_;
    QPointer<CountingScreen> counting_;
    QPointer<OrderingScreen> ordering_;
    QPointer<DigitsScreen> digits_;
    QPointer<WordsScreen> words_;
    QPointer<WorksheetDialog> worksheet_;
    QPointer<MemoryScreen> memory_;
    RecordModuleLoader recordModule_;
    QPointer<Screen> recordView_;
    std::unique_ptr<ClassServer> classServer_;
    bool asked_ = false;
};

// Names the program to Qt: its per-user settings (the folder of the last
// worksheet PDF) go to the user's config folder, zubzahlen/zubzahlen.conf.
void nameProgram();

// Runs the whole program; afterFirstPaint (for measurements) runs once the
// menu has been painted for the first time.
int runProgram(int argc, char **argv, std::function<void()> afterFirstPaint = {});
