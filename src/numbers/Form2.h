#pragma once

#include "ui/ExerciseScreen.h"

class Session;

class Label;

namespace MODUL1 {
// A new word task on Form2 (created if need be, shown or not): the word goes
// into ZahlWort and the caption of Bezeichnung1, its digits into ZahlText.
void NeueWoerterAufgabe();
} // namespace MODUL1

// The words exercise: the child reads a number word and types its digits.
class Form2 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form2(Session &session);

    Label *wordLabel() const { return word_; }
    Label *answerField() const { return answer_; }

    void newTask() override { MODUL1::NeueWoerterAufgabe(); }
    void checkAnswer() override { PruefeWoerter(); }

private:
    void PruefeWoerter();

    Label *word_;
    Label *answer_;
};
