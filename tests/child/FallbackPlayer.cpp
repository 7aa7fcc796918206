// The player of a screen that has none of its own: its buttons, keys and
// close box at random, so a new screen is played from the day it appears.
#include "Gestures.h"
#include "Players.h"

#include <QPushButton>

Player fallbackPlayer() {
    return [](Child &child, QWidget *screen) {
        QList<QPushButton *> buttons;
        for (QPushButton *b : screen->findChildren<QPushButton *>())
            if (b->isVisible() && b->isEnabled())
                buttons << b;
        const int roll = child.pick(100);
        if (roll < 5 || buttons.isEmpty()) {
            child.once(QStringLiteral("close box"), [screen] { Gesture::closeBox(screen); });
        } else if (roll < 15) {
            child.once(QStringLiteral("stray key"),
                       [&child, screen] { Gesture::strayKey(child, screen); });
        } else {
            QPushButton *b = buttons.at(child.pick(int(buttons.size())));
            child.once(QStringLiteral("click %1 %2").arg(b->objectName(), b->text()),
                       [b] { Gesture::click(b); });
        }
    };
}
