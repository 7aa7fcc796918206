#pragma once

// Opening a screen from the menu as a child does, for tests of what any
// screen offers.

#include "Draws.h"
#include "Program.h"

#include "core/Random.h"
#include "core/Session.h"
#include "ui/Screen.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

// Starts the program and clicks the menu button (the reward earned first for
// "Belohnung"), the generator scripted to draw these numbers; returns the
// screen shown, or the menu for no button.
inline QWidget *openFromMenu(TestProgram &program, const QByteArray &button,
                             const QList<int> &numbers = {},
                             const QByteArray &settings = " 3 \r\n") {
    program.writeSettings(settings);
    MenuScreen &menu = program.start();
    if (button.isEmpty())
        return &menu;
    if (button == "Befehl15")
        for (int i = 0; i < Session::rewardPrice; ++i)
            testApp().session().answerRight();
    QList<double> fractions;
    for (int n : numbers)
        fractions << fractionFor(n, testApp().session().range());
    Random::script(fractions);
    QTest::mouseClick(control<QPushButton>(&menu, QString::fromLatin1(button)), Qt::LeftButton);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu && w->isVisible() && qobject_cast<Screen *>(w))
            return w;
    return nullptr;
}
