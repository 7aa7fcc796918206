#pragma once

#include "core/numbers/WordsTask.h"
#include "ui/ExerciseScreen.h"

class Label;

// The words exercise: the child reads a number word and types its digits.
class WordsScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit WordsScreen(Session &session);

    const WordsTask &task() const { return task_; }
    Label *wordLabel() const { return wordLabel_; }
    Label *answerField() const { return answerField_; }

    // A new word in Bezeichnung1; the answer field keeps what was typed.
    void newTask() override;
    void checkAnswer() override;
    ShownTask shownTask() const override;

private:
    WordsTask task_;
    Label *wordLabel_;
    Label *answerField_;
};
