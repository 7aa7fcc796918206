#pragma once

#include <QObject>
#include <QString>

#include <array>

// One game of number memory: nine pairs of the numbers 1 to 9 on eighteen
// cards, numbered 1 to 18 as on the board. The game holds the whole state; a
// view draws it and forwards the clicks. It lives as long as its view, so an
// unfinished board is still there at the next reward.
class MemoryGame : public QObject {
    Q_OBJECT
public:
    static constexpr int cardCount = 18;

    enum class Phase {
        NotDealt,   // the next click deals a new board
        FirstCard,  // waiting for the first card of a turn (also after a pair)
        SecondCard, // one card up, waiting for the second
        Mismatch,   // two different numbers up until the next click covers them
        GameOver,   // every pair found, until the board is cleared
    };
    Q_ENUM(Phase)

    explicit MemoryGame(QObject *parent = nullptr) : QObject(parent) {}

    Phase phase() const { return phase_; }
    bool isDealt() const { return phase_ != Phase::NotDealt; }

    // The number under a card (0 before the first deal).
    int numberOn(int card) const;
    // Found cards stay up and out of play until the board is cleared.
    bool isFound(int card) const;
    bool isFaceUp(int card) const;
    // The cards turned up in this turn; 0 for none.
    int firstCard() const { return first_; }
    int secondCard() const { return second_; }

    // A click on a card: deals first when the board is not dealt; a found
    // card takes no click.
    void turn(int card);
    // After a finished game: a blank board, dealt anew by the next click.
    void clear();

    // A new deal: the numbers 1, 1, 2, 2, ... 9, 9 each dropped on a free
    // place drawn with Random::draw(18), drawing again while the place is taken.
    static std::array<int, cardCount> deal();
    // The caption of a face-up card: the number, sixteen blanks, the number again.
    static QString faceText(int number);

signals:
    // Any card turned, covered or found; the view redraws the board.
    void boardChanged();
    void phaseChanged(MemoryGame::Phase phase);
    // The last pair was found; the board still shows it.
    void gameOver();

private:
    static bool isCard(int card) { return card >= 1 && card <= cardCount; }
    // Signals a redraw, and the new phase when it is not `before`.
    void announce(Phase before);

    Phase phase_ = Phase::NotDealt;
    std::array<int, cardCount> numbers_{};
    std::array<bool, cardCount> found_{};
    int first_ = 0;
    int second_ = 0;
};
