#pragma once

#include "core/Session.h"
#include "ui/Screen.h"

#include <QPointer>

#include <functional>

class InfoScreen;
class MemoryScreen;
class MenuScreen;
class Screen;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;
class Form9;
class Form10;
class Form12;
class Form13;
class WorksheetDialog;

// The composition root: owns the session and the screens, creates each
// screen on first use and hands it what it needs, and sends every screen's
// way out back to the menu.
class App {
public:
    App();
    ~App();
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    Session &session() { return session_; }
    MenuScreen &menu();
    InfoScreen &info();

    Form3 &digits();
    Form2 &words();
    Form4 &quantities();
    Form5 &pictures();
    Form6 &numberLine();
    Form7 &numberFamily();
    Form8 &decomposition();
    Form9 &neighbours();
    Form10 &comparison();
    Form12 &counting();
    Form13 &ordering();
    WorksheetDialog &worksheet();
    MemoryScreen &memory();

    // Shows the menu (its load handler reads the settings file).
    void start();

    // A screen left by its own way out brings the menu back.
    void returnsToMenu(Screen &screen);

private:
    template <class T> T &backToMenu(T &screen) {
        returnsToMenu(screen);
        return screen;
    }

    Session session_;
    QPointer<MenuScreen> menu_;
    QPointer<InfoScreen> info_;
    QPointer<WorksheetDialog> worksheet_;
    QPointer<MemoryScreen> memory_;
};

// Runs the whole program; afterFirstPaint (for measurements) runs once the
// menu has been painted for the first time.
int runProgram(int argc, char **argv, std::function<void()> afterFirstPaint = {});
