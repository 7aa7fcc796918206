#pragma once

#include "core/numbers/DigitsTask.h"
#include "ui/ExerciseScreen.h"

#include <array>

class Label;
class QScrollBar;

// The digits exercise: the child builds the shown number on six place
// sliders while the word of the number they form is shown.
class DigitsScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit DigitsScreen(Session &session);

    const DigitsTask &task() const { return task_; }
    Label *taskLabel() const { return taskLabel_; }
    Label *wordLabel() const { return wordLabel_; }
    // HBildlauf1 (units) .. HBildlauf6 (hundred-thousands).
    QScrollBar *slider(int number) const { return sliders_[number - 1]; }

    // The number in Bezeichnung1, no word, all sliders at 0.
    void newTask() override;
    void checkAnswer() override;
    ShownTask shownTask() const override;

private:
    void sliderChanged(int number);

    DigitsTask task_;
    Label *taskLabel_;
    Label *wordLabel_;
    std::array<QScrollBar *, 6> sliders_{};
};
