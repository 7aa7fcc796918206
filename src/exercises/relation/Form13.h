#pragma once

#include "ui/ExerciseScreen.h"

class Session;

#include <QList>
#include <QStringList>

class Label;

// The ordering exercise: five numbers in an upper row, dragged with the
// mouse into the five boxes of the lower row, smallest at the left, and
// confirmed with OKAY. The screen takes no keys and is not placed when it
// first appears.
class Form13 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form13(Session &session);

    static constexpr int columnCount = 5;
    // The numbers of the upper row and the answer boxes below them, k = 1 .. 5.
    Label *numberLabel(int k) const { return numbers_.at(k - 1); }
    Label *answerBox(int k) const { return answers_.at(k - 1); }
    QStringList answerCaptions() const;

    void newTask() override;
    // The click handler of OKAY: compares the boxes with the sorted numbers.
    void checkAnswer() override;

private:
    QList<Label *> numbers_;
    QList<Label *> answers_;
};

namespace MODUL1 {
// Draws five numbers and shows them in the upper row of Form13 (created if
// need be, shown or not), empties the answer boxes and leaves the numbers
// sorted ascending in Zahlenfeld(1 .. 5).
void NeueOrdnungsAufgabe();
} // namespace MODUL1
