#pragma once

// Steps that every exercise screen shares: answering through the keys or
// OKAY, leaving, stray keys and clicks, and how a wrong answer is made.

#include "Child.h"

#include <QStringList>

class ExerciseScreen;
class QLabel;

namespace ExerciseSteps {

// What a screen offers beyond ENDE and OKAY.
struct Extras {
    QStringList buttons;      // its own buttons (steps, places ...)
    QStringList notClickable; // labels not to click (a press there starts a drag)
    bool enterChecks = true;  // Enter runs the check on this screen
};

// Now and then plans something other than an answer on the screen: leave
// by ENDE or the close box, click a label or button of the screen, check
// without answering, press a stray key. False when it planned nothing.
bool maybeFiddle(Child &child, ExerciseScreen *screen, const Extras &extras);

// Plans the check by Enter or by OKAY, with the verdict it must bring.
void submit(Child &child, ExerciseScreen *screen, Expect expect, bool enterChecks = true);

// Plans emptying the field by Backspace, typing the digits and the check.
void typeAnswer(Child &child, ExerciseScreen *screen, QLabel *field, const QString &digits,
                Expect expect);

// Digits that differ from the right ones: one digit changed, one more or one
// fewer, or a leading zero.
QString wrongDigits(Child &child, const QString &right);

inline Expect verdict(bool right) {
    return right ? Expect::Right : Expect::Wrong;
}

} // namespace ExerciseSteps
