#pragma once

// The child's hands: single gestures on real widgets, as a user makes them.

#include <QString>
#include <Qt>

class Child;
class QScrollBar;
class QWidget;

namespace Gesture {

// A left click in the middle of a control.
void click(QWidget *control);
// One key press and release, delivered where the screen's focus is.
void key(QWidget *screen, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The digit key of the main keyboard for '0' .. '9'.
Qt::Key digitKey(QChar digit);
// The window's close box.
void closeBox(QWidget *screen);
// A key the screen does not expect: a keypad digit, a letter, an arrow ...
void strayKey(Child &child, QWidget *screen);

// Moves a scroll bar one gesture closer to the value: a click on an arrow or
// into the trough, a drag of the thumb, or Home/End where the bar takes keys.
// True when the bar stands at the value afterwards.
bool sliderToward(Child &child, QScrollBar *bar, int value);

// Lets a label of ours with this caption go over the target control, through
// the screen's window; true when the target took it.
bool dropCaption(QWidget *screen, QWidget *target, const QString &caption);
// A plain-text drag from another program let go over the target.
bool dropForeign(QWidget *screen, QWidget *target, const QString &text);

} // namespace Gesture
