#pragma once

// Typing on an exercise screen as a child does it: key presses delivered to
// the control that has the focus (the screen sees them first).

#include "Draws.h"
#include <QTest>
#include <QWidget>

// Digits type themselves; 'B' is Backspace, 'E' Enter, 'S' Shift, '+' the
// plus key, 'K' the keypad 5.
inline void typeKeys(QWidget *target, const QString &keys) {
    for (const QChar c : keys) {
        if (c.isDigit())
            QTest::keyClick(target, Qt::Key(Qt::Key_0 + c.digitValue()));
        else if (c == QLatin1Char('B'))
            QTest::keyClick(target, Qt::Key_Backspace);
        else if (c == QLatin1Char('E'))
            QTest::keyClick(target, Qt::Key_Return);
        else if (c == QLatin1Char('S'))
            QTest::keyClick(target, Qt::Key_Shift);
        else if (c == QLatin1Char('+'))
            QTest::keyClick(target, Qt::Key_Plus);
        else if (c == QLatin1Char('K'))
            QTest::keyClick(target, Qt::Key_5, Qt::KeypadModifier);
    }
}
