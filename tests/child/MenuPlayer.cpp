// The player of the main menu and of the info screen beside it.
#include "Gestures.h"
#include "Players.h"
#include "Program.h"

#include "ui/InfoScreen.h"
#include "ui/MenuScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

const char *const exerciseButtons[] = {"Befehl2",  "Befehl3",  "Befehl4", "Befehl5",
                                       "Befehl6",  "Befehl7",  "Befehl8", "Befehl9",
                                       "Befehl10", "Befehl11", "Befehl14"};

QPushButton *button(QWidget *screen, const QString &name) {
    return screen->findChild<QPushButton *>(name);
}

void clickButton(Child &child, QWidget *screen, const QString &name) {
    QPushButton *b = button(screen, name);
    child.once(QStringLiteral("click ") + name + QStringLiteral(" ") + b->text(),
               [b] { Gesture::click(b); });
}

} // namespace

void playMenu(Child &child, QWidget *screen) {
    auto *menu = static_cast<MenuScreen *>(screen);
    QPushButton *reward = menu->rewardButton();
    if (reward->isEnabled() && child.chance(0.5)) {
        child.once(QStringLiteral("click Befehl15 Belohnung"),
                   [reward] { Gesture::click(reward); });
        return;
    }
    const int roll = child.pick(100);
    if (roll < 58) {
        clickButton(child, screen, QString::fromLatin1(exerciseButtons[child.pick(11)]));
    } else if (roll < 76) {
        // A new range: one gesture or a few on the range bar.
        QScrollBar *range = menu->rangeBar();
        const int target = 1 + child.pick(6);
        child.add(QStringLiteral("range bar to %1").arg(target),
                  [&child, range, target] { return Gesture::sliderToward(child, range, target); });
    } else if (roll < 86) { // the worksheets are reached rarely otherwise
        clickButton(child, screen, QStringLiteral("Befehl13")); // Druck, answered by BoxAnswers
    } else if (roll < 90) {
        clickButton(child, screen, QStringLiteral("Befehl12")); // Info
    } else if (roll < 93) {
        clickButton(child, screen, QStringLiteral("Befehl1")); // Ende, mostly answered No
    } else if (roll < 94) {
        child.once(QStringLiteral("close box"), [screen] { Gesture::closeBox(screen); });
    } else if (roll < 97) {
        clickButton(child, screen, QStringLiteral("Befehl15")); // also while it is disabled
    } else {
        child.once(QStringLiteral("stray key"),
                   [&child, screen] { Gesture::strayKey(child, screen); });
    }
}

void maybeCloseInfo(Child &child) {
    InfoScreen &info = testApp().info();
    if (!info.isVisible() || !child.chance(0.3))
        return;
    switch (child.pick(3)) {
    case 0:
        child.once(QStringLiteral("info: close box"), [&info] { Gesture::closeBox(&info); });
        break;
    default: {
        QLabel *okay = info.findChild<QLabel *>(child.chance(0.5) ? QStringLiteral("Bezeichnung1")
                                                                  : QStringLiteral("Bild1"));
        child.once(QStringLiteral("info: click ") + okay->objectName(),
                   [okay] { Gesture::click(okay); });
        break;
    }
    }
}
