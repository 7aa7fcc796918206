#include "Gestures.h"

#include "../drop_events.h"
#include "../scrollbar_mouse.h"
#include "Child.h"

#include <QScrollBar>
#include <QTest>

namespace Gesture {

void click(QWidget *control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void key(QWidget *screen, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget *target = screen->focusWidget();
    if (!target || target->window() != screen || !target->isVisible())
        target = screen;
    QTest::keyClick(target, key, modifiers);
}

Qt::Key digitKey(QChar digit) {
    return Qt::Key(Qt::Key_0 + digit.digitValue());
}

void closeBox(QWidget *screen) {
    screen->close();
}

void strayKey(Child &child, QWidget *screen) {
    static const Qt::Key strays[] = {Qt::Key_A,     Qt::Key_Space, Qt::Key_Left,  Qt::Key_Right,
                                     Qt::Key_Minus, Qt::Key_Tab,   Qt::Key_Delete};
    switch (child.pick(3)) {
    case 0: // keypad digits never type
        key(screen, Qt::Key(Qt::Key_0 + child.pick(10)), Qt::KeypadModifier);
        break;
    case 1: // a shifted main-row digit still types its digit
        key(screen, Qt::Key(Qt::Key_0 + child.pick(10)), Qt::ShiftModifier);
        break;
    default:
        key(screen, strays[child.pick(int(std::size(strays)))]);
        break;
    }
}

bool sliderToward(Child &child, QScrollBar *bar, int value) {
    const int now = bar->value();
    if (now == value)
        return true;
    const int roll = child.pick(10);
    if (roll < 3) {
        // Grab the thumb and let it go where the value's thumb would stand.
        const QPoint from = ScrollBarMouse::thumbCentre(bar, now);
        const QPoint to = ScrollBarMouse::thumbCentre(bar, value);
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), bar->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, to);
    } else if (roll < 4 && bar->focusPolicy() != Qt::NoFocus &&
               (value == bar->minimum() || value == bar->maximum())) {
        QTest::keyClick(bar, value == bar->minimum() ? Qt::Key_Home : Qt::Key_End);
    } else {
        const bool up = value > now;
        const QStyle::SubControl part =
            roll < 6 ? (up ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine)
                     : (up ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          ScrollBarMouse::part(bar, part, now).center());
    }
    return bar->value() == value;
}

bool dropCaption(QWidget *screen, QWidget *target, const QString &caption) {
    return dropOn(screen, target, *labelDrag(caption));
}

bool dropForeign(QWidget *screen, QWidget *target, const QString &text) {
    return dropOn(screen, target, *foreignDrag(text));
}

} // namespace Gesture
