// The player of the memory game: turns cards, now with a good memory (it
// reads the deal from the game object), now at random; stops now and then.
#include "Gestures.h"
#include "Players.h"

#include "core/memory/MemoryGame.h"
#include "ui/Label.h"
#include "ui/memory/MemoryScreen.h"

#include <QPushButton>

namespace {

void turn(Child &child, QWidget *screen, int card) {
    Label *label = screen->findChild<Label *>(QStringLiteral("Bezeichnung%1").arg(card));
    child.once(QStringLiteral("card %1").arg(card), [label] { Gesture::click(label); });
}

bool inPlay(const MemoryGame &game, int card) {
    return !game.isDealt() || !game.isFound(card);
}

// A card still in play whose partner is the given card, or 0.
int partnerOf(const MemoryGame &game, int card) {
    for (int k = 1; k <= MemoryGame::cardCount; ++k)
        if (k != card && game.numberOn(k) == game.numberOn(card) && inPlay(game, k))
            return k;
    return 0;
}

int someCardInPlay(Child &child, const MemoryGame &game) {
    QList<int> cards;
    for (int k = 1; k <= MemoryGame::cardCount; ++k)
        if (inPlay(game, k))
            cards << k;
    return cards.isEmpty() ? 1 + child.pick(18) : cards.at(child.pick(int(cards.size())));
}

} // namespace

void playMemory(Child &child, QWidget *screen) {
    const MemoryGame &game = static_cast<MemoryScreen *>(screen)->game();
    const int roll = child.pick(100);
    if (roll < 3) {
        QPushButton *stop = screen->findChild<QPushButton *>(QStringLiteral("Befehl1"));
        child.once(QStringLiteral("STOP"), [stop] { Gesture::click(stop); });
    } else if (roll < 4) {
        child.once(QStringLiteral("close box"), [screen] { Gesture::closeBox(screen); });
    } else if (roll < 30) {
        turn(child, screen, 1 + child.pick(18)); // any card, found ones too
    } else {
        const int partner =
            game.phase() == MemoryGame::Phase::SecondCard ? partnerOf(game, game.firstCard()) : 0;
        turn(child, screen, partner > 0 ? partner : someCardInPlay(child, game));
    }
}
