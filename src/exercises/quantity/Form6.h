#pragma once

#include "ui/ExerciseScreen.h"

class Session;

class Label;

// The number line: eleven ticks, the ends labelled, the step written on an
// arrow; the child types the number at the middle tick.
class Form6 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form6(Session &session);

    void newTask() override;
    void checkAnswer() override { PruefeStrahl(); }
    void PruefeStrahl();

    // The step is kept nowhere but in the caption of this label, so it
    // survives leaving to the menu for as long as the screen exists.
    Label *stepLabel() const { return step_; }
    Label *leftEnd() const { return left_; }
    Label *rightEnd() const { return right_; }
    Label *answerField() const { return answer_; }

private:
    void buildLine();
    void chooseStep(int step);

    Label *step_;
    Label *left_;
    Label *right_;
    Label *answer_;
};

namespace MODUL1 {
// A new line with the step shown on Form6; a step too large for the range is
// refused with a box and replaced by 1.
void NeueStrahlAufgabe();
} // namespace MODUL1
