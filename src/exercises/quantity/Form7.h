#pragma once

#include "ui/ExerciseScreen.h"

class Session;

#include <array>

class Label;

// The number family: nine members inside a circle, the tenth to be typed
// into the oval at the circle's edge.
class Form7 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form7(Session &session);

    void newTask() override;
    void checkAnswer() override { PruefeFamilie(); }
    void PruefeFamilie();

    // The label showing entry i (1 .. 9) of the family.
    Label *member(int i) const { return members_[i]; }
    Label *answerField() const { return answer_; }

private:
    std::array<Label *, 10> members_{}; // index 1 .. 9
    Label *answer_;
};

namespace MODUL1 {
// A new family in Zahlenfeld(1 .. 10), the first nine shown on Form7 (also
// while it is hidden), the tenth expected in ZahlText.
void NeueFamilienAufgabe();
} // namespace MODUL1
