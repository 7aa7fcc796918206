#pragma once

#include "core/relations/OrderingTask.h"
#include "ui/ExerciseScreen.h"

#include <QList>
#include <QStringList>

class Label;

// The ordering exercise: five numbers in an upper row, dragged with the
// mouse into the five boxes of the lower row, smallest at the left, and
// confirmed with OKAY. By keyboard, Left and Right choose among the numbers
// not yet placed, Space drops the chosen one into the leftmost empty box and
// Backspace takes the last one back; Enter does not check. The screen is not
// placed when it first appears.
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

    // The chosen number of the upper row (1 .. 5), 0 when all are placed.
    int chosenNumber() const { return chosen_ + 1; }

protected:
    bool keyDown(int code) override;

private:
    // Whether upper number k (0-based) still waits for a box: each box's
    // caption uses up the leftmost upper number that shows it.
    QList<bool> waiting() const;
    // Chooses the next waiting number from `from` on in direction `step`
    // (+1, -1), or keeps the choice when there is none that way.
    void choose(int from, int step);
    // Marks upper number k (-1: none); the focus goes with the choice.
    void select(int k);
    void placeChosen();
    void takeBack();

    OrderingTask task_;
    QList<Label *> numbers_;
    QList<Label *> answers_;
    int chosen_ = -1;
};
