#pragma once

#include "ui/Screen.h"

#include <array>

class Label;

// The reward: one game of number memory with nine pairs of the numbers 1 to
// 9 on eighteen cards. The whole game lives in the captions of six invisible
// labels, so the board stays as it was while the screen is hidden and comes
// back unchanged at the next reward.
class memo : public Screen {
    Q_OBJECT
public:
    memo();

    // Card colours: the first game's blue, the dark blue after a finished game,
    // and white for a found card.
    static QColor firstGameBlue() { return QColor(0, 0, 192); }
    static QColor resetBlue() { return QColor(0, 0, 128); }
    static QColor foundWhite() { return QColor(255, 255, 255); }

    static QString instructionText();

protected:
    void load() override;
    void closeBox() override { stop(); }

private:
    void cardClicked(int card);
    void KarteAufdecken();
    void KartenZudecken();
    void KartenMischen();
    void PaarGefunden();
    void SpielEnde();
    void SpielZuruecksetzen();
    void stop();
    void backToMenu();

    Label *card(int number) const { return cards_[number - 1]; }
    static int valueOf(const Label *label);

    std::array<Label *, 18> cards_{};
    Label *dealt_;   // Bezeichnung20: "0" not dealt yet, "1" dealt
    Label *deal_;    // Bezeichnung21: the digit under each card
    Label *open_;    // Bezeichnung22: "1" in play, "0" found, per card
    Label *first_;   // Bezeichnung23: first card of the turn, "0" for none
    Label *second_;  // Bezeichnung24: second card of the turn, "0" for none
    Label *clicked_; // Bezeichnung25: the card just clicked
};
