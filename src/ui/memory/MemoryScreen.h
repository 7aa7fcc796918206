#pragma once

#include "core/memory/MemoryGame.h"
#include "ui/Screen.h"

#include <array>

class Label;

// The reward: the memory game's board. It draws the game and forwards the
// clicks on its cards; the game object keeps the board while the screen is
// hidden, so the next reward goes on where this one stopped. By keyboard the
// arrows move a frame over the cards and Space or Enter turns the framed one.
class MemoryScreen : public Screen {
    Q_OBJECT
public:
    MemoryScreen();

    MemoryGame &game() { return game_; }
    const MemoryGame &game() const { return game_; }

    // Card colours: the first game's blue, the dark blue after a finished game,
    // and white for a found card.
    static QColor firstGameBlue() { return QColor(0, 0, 192); }
    static QColor resetBlue() { return QColor(0, 0, 128); }
    static QColor foundWhite() { return QColor(255, 255, 255); }

    static QString instructionText();

    // The card the keyboard frame stands on (1 .. 18).
    int framedCard() const { return framed_; }

protected:
    void load() override;
    void closeBox() override { stop(); }
    void showEvent(QShowEvent *event) override;
    bool keyDown(int code) override;

private:
    void showBoard();
    void endGame();
    void stop();
    // A click on card `number`, or Space or Enter on it.
    void turnCard(int number) { game_.turn(number); }
    void frameCard(int number);

    std::array<Label *, MemoryGame::cardCount> cards_{};
    MemoryGame game_;
    // Cards in play are dark blue from the first finished game on.
    QColor cardBack_ = firstGameBlue();
    int framed_ = 1;
};
