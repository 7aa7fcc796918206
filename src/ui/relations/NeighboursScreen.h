#pragma once

#include "core/relations/NeighboursTask.h"
#include "ui/ExerciseScreen.h"

#include <optional>

class Label;

// The neighbours exercise: a number in one box, its predecessor or successor
// at the chosen place to be typed into the other.
class NeighboursScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit NeighboursScreen(Session &session);

    void newTask() override;
    void checkAnswer() override;
    ShownTask shownTask() const override;

    // None before the first task.
    const std::optional<NeighboursTask> &task() const { return task_; }

    // The left box (predecessor side) and the right one.
    Label *leftBox() const { return left_; }
    Label *rightBox() const { return right_; }
    // The box the child types into, or null before the first task.
    Label *answerBox() const;

protected:
    QLabel *typedField() const override;

private:
    void choosePlace(const QString &place);
    void showTask();

    std::optional<NeighboursTask> task_;
    Label *left_;
    Label *right_;
    Label *leftTitle_;
    Label *rightTitle_;
    // Shows the chosen place; its caption is the place the next task asks for.
    Label *place_;
};
