#pragma once

#include "ui/ExerciseScreen.h"

class Session;

class Label;

// The decomposition: the child writes the number as the sum of its place
// values; the plus signs come by themselves.
class Form8 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form8(Session &session);

    void newTask() override;
    void checkAnswer() override { PruefeZerlegung(); }
    void PruefeZerlegung();

    Label *numberField() const { return number_; }
    Label *answerField() const { return answer_; }

protected:
    bool keyDown(int code) override;

private:
    Label *number_;
    Label *answer_;
};

namespace MODUL1 {
// A new number on Form8 and its place-value sum as the expected ZahlText.
void NeueZerlegungsAufgabe();
} // namespace MODUL1
