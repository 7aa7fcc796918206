#pragma once

#include "core/relations/OrderingTask.h"
#include "ui/ExerciseScreen.h"

#include <QList>
#include <QStringList>

class Label;

// The ordering exercise: five numbers in an upper row, dragged with the
// mouse into the five boxes of the lower row, smallest at the left, and
// confirmed with OKAY. The screen takes no keys and is not placed when it
// first appears.
class OrderingScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit OrderingScreen(Session &session);

    static constexpr int columnCount = 5;
    // The numbers of the upper row and the answer boxes below them, k = 1 .. 5.
    Label *numberLabel(int k) const { return numbers_.at(k - 1); }
    Label *answerBox(int k) const { return answers_.at(k - 1); }
    QStringList answerCaptions() const;

    const OrderingTask &task() const { return task_; }

    void newTask() override;
    // The click handler of OKAY: compares the boxes with the sorted numbers.
    void checkAnswer() override;
    ShownTask shownTask() const override;

private:
    OrderingTask task_;
    QList<Label *> numbers_;
    QList<Label *> answers_;
};
