#pragma once

#include "core/structure/NumberFamilyTask.h"
#include "ui/ExerciseScreen.h"

#include <array>

class Label;

// The number family: nine members inside a circle, the tenth to be typed
// into the oval at the circle's edge.
class NumberFamilyScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit NumberFamilyScreen(Session &session);

    void newTask() override;
    void checkAnswer() override;
    ShownTask shownTask() const override;

    const NumberFamilyTask &task() const { return task_; }

    // The label showing member index (0 .. 8) of the family.
    Label *member(int index) const { return members_[size_t(index)]; }
    Label *answerField() const { return answer_; }

private:
    NumberFamilyTask task_;
    std::array<Label *, NumberFamilyTask::shownCount> members_{};
    Label *answer_;
};
