#pragma once

#include "core/relations/CountingTask.h"
#include "ui/ExerciseScreen.h"

class Label;

// The counting exercise: a row of five boxes filled one by one, each with the
// previous number plus or minus the step.
class CountingScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit CountingScreen(Session &session);

    void newTask() override;
    // Checks the box being filled; a right box moves on, the last one counts.
    void checkAnswer() override;
    ShownTask shownTask() const override;

    const CountingTask &task() const { return task_; }

    // Box 1 .. 5, left to right.
    Label *box(int number) const { return boxes_[number - 1]; }
    // Shows the step ("+ 1", "- 100" ...); its caption is the step the next row uses.
    Label *stepLabel() const { return step_; }
    // The box being filled, or null before the first row.
    Label *answerBox() const;

protected:
    QLabel *typedField() const override;

private:
    void chooseStep(const QString &text);
    // All five boxes red, the box being filled green.
    void markAnswerBox();

    CountingTask task_;
    Label *boxes_[5];
    Label *step_;
};
