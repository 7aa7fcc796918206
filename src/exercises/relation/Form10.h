#pragma once

#include "ui/ExerciseScreen.h"

class Session;

#include <QList>

class Label;

// The comparison exercise: five numbers in a row with a square between each
// two neighbours; the child drags the signs ">", "=" and "<" into the
// squares and confirms with OKAY or Enter.
class Form10 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form10(Session &session);

    // The five numbers (k = 1 .. 5) and the four answer squares (k = 1 .. 4), left to right.
    Label *numberLabel(int k) const { return numbers_.at(k - 1); }
    Label *square(int k) const { return squares_.at(k - 1); }
    static constexpr int numberCount = 5;
    static constexpr int squareCount = 4;

    void newTask() override;
    void checkAnswer() override { PruefeVergleich(); }

    // Compares the four squares with the expected signs.
    void PruefeVergleich();

private:
    void buildRow();
    void buildSigns();

    QList<Label *> numbers_;
    QList<Label *> squares_;
};

namespace MODUL1 {
// Empties the squares, draws and shows five numbers and leaves the expected
// signs in ZahlText and the numbers in Zahlenfeld(1 .. 5).
void NeueVergleichsAufgabe();
} // namespace MODUL1
