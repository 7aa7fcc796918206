#pragma once

#include "core/structure/DecompositionTask.h"
#include "ui/ExerciseScreen.h"

class Label;

// The decomposition: the child writes the number as the sum of its place
// values; the plus signs come by themselves.
class DecompositionScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit DecompositionScreen(Session &session);

    void newTask() override;
    void checkAnswer() override;
    ShownTask shownTask() const override;

    const DecompositionTask &task() const { return task_; }

    Label *numberField() const { return number_; }
    Label *answerField() const { return answer_; }

protected:
    bool keyDown(int code) override;

private:
    DecompositionTask task_;
    Label *number_;
    Label *answer_;
};
