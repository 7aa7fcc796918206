#pragma once

#include "core/structure/NumberLineTask.h"
#include "ui/ExerciseScreen.h"

class Label;

// The number line: eleven ticks, the ends labelled, the step written on an
// arrow; the child types the number at the middle tick.
class NumberLineScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit NumberLineScreen(Session &session);

    void newTask() override;
    void checkAnswer() override;
    ShownTask shownTask() const override;

    // The step chosen last stays for as long as the screen exists, also
    // while it waits behind the menu.
    const NumberLineTask &task() const { return task_; }

    Label *stepLabel() const { return step_; }
    Label *leftEnd() const { return left_; }
    Label *rightEnd() const { return right_; }
    Label *answerField() const { return answer_; }

private:
    void buildLine();
    void chooseStep(int step);
    // A step too large for the range is refused with a box and replaced by 1.
    void showNewLine(int step);

    NumberLineTask task_;
    Label *step_;
    Label *left_;
    Label *right_;
    Label *answer_;
};
