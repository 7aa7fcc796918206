#pragma once

#include "core/relations/ComparisonTask.h"
#include "ui/ExerciseScreen.h"

#include <QList>

class Label;

// The comparison exercise: five numbers in a row with a square between each
// two neighbours; the child drags the signs ">", "=" and "<" into the
// squares and confirms with OKAY or Enter.
class ComparisonScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit ComparisonScreen(Session &session);

    // The five numbers (k = 1 .. 5) and the four answer squares (k = 1 .. 4), left to right.
    Label *numberLabel(int k) const { return numbers_.at(k - 1); }
    Label *square(int k) const { return squares_.at(k - 1); }
    static constexpr int numberCount = ComparisonTask::numberCount;
    static constexpr int squareCount = numberCount - 1;

    const ComparisonTask &task() const { return task_; }

    void newTask() override;
    void checkAnswer() override;
    ShownTask shownTask() const override;

private:
    void buildRow();
    void buildSigns();

    ComparisonTask task_;
    QList<Label *> numbers_;
    QList<Label *> squares_;
};
