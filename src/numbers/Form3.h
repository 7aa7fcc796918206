#pragma once

#include "ui/ExerciseScreen.h"

class Session;

#include <array>

class Label;
class QScrollBar;

namespace MODUL1 {
// A new digits task on Form3: the number in Bezeichnung1, all sliders at 0.
void NeueZiffernAufgabe();
} // namespace MODUL1

// The digits exercise: the child builds the shown number on six place
// sliders while the word of the number they form is shown.
class Form3 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form3(Session &session);

    Label *taskLabel() const { return task_; }
    Label *wordLabel() const { return word_; }
    // HBildlauf1 (units) .. HBildlauf6 (hundred-thousands).
    QScrollBar *slider(int number) const { return sliders_[number - 1]; }

    void newTask() override { MODUL1::NeueZiffernAufgabe(); }
    void checkAnswer() override { PruefeZiffern(); }

private:
    void PruefeZiffern();
    void ZeigeZahlWort();
    void sliderChanged(int number);

    Label *task_;
    Label *word_;
    std::array<QScrollBar *, 6> sliders_{};
};
