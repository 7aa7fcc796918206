#pragma once

#include "ui/ExerciseScreen.h"

class Session;

class Label;

// The counting exercise: a row of five boxes filled one by one, each with the
// previous number plus or minus the step.
class Form12 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form12(Session &session);

    void newTask() override;
    void checkAnswer() override { PruefeZaehlen(); }

    // Checks the box named by Merker; a right box moves on, the last one counts.
    void PruefeZaehlen();

    // Box 1 .. 5, left to right.
    Label *box(int nummer) const { return boxen_[nummer - 1]; }
    // The step text ("+ 1", "- 100" ...) lives only in this label's caption.
    Label *schrittLabel() const { return schritt_; }
    // The box named by Merker, or null when Merker names none.
    Label *antwortBox() const;

protected:
    QLabel *typedField() const override;

private:
    void setzeSchritt(const QString &text);

    Label *boxen_[5];
    Label *schritt_;
};
