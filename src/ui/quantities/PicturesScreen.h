#pragma once

#include "core/quantities/PicturesTask.h"
#include "ui/ExerciseScreen.h"

class Label;

// The pictures exercise: the screen draws a number as blocks and the child
// types the number it shows.
class PicturesScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit PicturesScreen(Session &session);

    // Draws a new number, pictures it and empties the answer field.
    void newTask() override;
    // Compares the typed digits with the pictured number.
    void checkAnswer() override;
    ShownTask shownTask() const override;

    const PicturesTask &task() const { return task_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PicturesTask task_;
    Label *answer_;
};
