#pragma once

#include "ui/ExerciseScreen.h"

class Session;

class Label;

// The pictures exercise: the screen draws a number as blocks and the child
// types the number it shows.
class Form5 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form5(Session &session);

    void newTask() override;
    void checkAnswer() override { PruefeBild(); }

    // Compares the typed digits with the pictured number.
    void PruefeBild();

    Label *antwortFeld() const { return antwort_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Label *antwort_;
};

namespace MODUL1 {
// Draws a new number and pictures it as blocks on the pictures screen.
void NeueBilderAufgabe();
} // namespace MODUL1
