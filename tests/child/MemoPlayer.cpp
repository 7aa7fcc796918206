// The player of the memory game: turns cards, now with a good memory (it
// reads the deal from the game's invisible labels), now at random; stops now and then.
#include "Gestures.h"
#include "Players.h"

#include "core/NumberText.h"
#include "ui/Label.h"

#include <QPushButton>

namespace {

QString state(QWidget *screen, int number) {
    return screen->findChild<Label *>(QStringLiteral("Bezeichnung%1").arg(number))->text();
}

void turn(Child &child, QWidget *screen, int card) {
    Label *label = screen->findChild<Label *>(QStringLiteral("Bezeichnung%1").arg(card));
    child.once(QStringLiteral("card %1").arg(card), [label] { Gesture::click(label); });
}

// A card still in play whose partner is the given card, or 0.
int partnerOf(QWidget *screen, int card) {
    const QString deal = state(screen, 21);
    const QString open = state(screen, 22);
    if (deal.size() < 18 || open.size() < 18 || card < 1 || card > 18)
        return 0;
    for (int k = 1; k <= 18; ++k)
        if (k != card && deal.at(k - 1) == deal.at(card - 1) && open.at(k - 1) == QLatin1Char('1'))
            return k;
    return 0;
}

int someCardInPlay(Child &child, QWidget *screen) {
    const QString open = state(screen, 22);
    QList<int> inPlay;
    for (int k = 1; k <= 18; ++k)
        if (open.size() < 18 || open.at(k - 1) == QLatin1Char('1'))
            inPlay << k;
    return inPlay.isEmpty() ? 1 + child.pick(18) : inPlay.at(child.pick(int(inPlay.size())));
}

} // namespace

void playMemo(Child &child, QWidget *screen) {
    const int roll = child.pick(100);
    if (roll < 3) {
        QPushButton *stop = screen->findChild<QPushButton *>(QStringLiteral("Befehl1"));
        child.once(QStringLiteral("STOP"), [stop] { Gesture::click(stop); });
    } else if (roll < 4) {
        child.once(QStringLiteral("close box"), [screen] { Gesture::closeBox(screen); });
    } else if (roll < 30) {
        turn(child, screen, 1 + child.pick(18)); // any card, found ones too
    } else {
        const bool dealt = state(screen, 20) == QLatin1String("1");
        const int first = NumberText::wholeNumber(state(screen, 23));
        const int second = NumberText::wholeNumber(state(screen, 24));
        const int partner = dealt && first > 0 && second == 0 ? partnerOf(screen, first) : 0;
        turn(child, screen, partner > 0 ? partner : someCardInPlay(child, screen));
    }
}
