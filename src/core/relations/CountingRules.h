#pragma once

#include "CountingTask.h"

#include <QString>

// The rules of a counting row: reading the step text, whether a step fits
// the range, where the row starts and how it is filled box by box.
namespace CountingRules {

// The sign decides the direction ("+" up, anything else down); the width is
// the number read from the third character on.
CountingStep readStep(const QString &text);

// "+ 10", "- 3": sign, one blank, the digits.
QString stepText(bool up, int width);

// A random step of 1 .. 10 in the given direction: Int(Rnd * 10) + 1.
QString randomStepText(bool up);

// A row of five numbers in 1 .. range needs four steps to fit below the range.
bool stepFits(const CountingStep &step, int range);

// The step text that replaces one that does not fit.
inline QString replacementStepText() {
    return QStringLiteral("+ 1");
}

// The start of a row: Int(Rnd * range) + 1, drawn again until the four steps
// from it stay in 1 .. range. Only for a step that fits, so that a fitting
// start exists and every draw has a fair chance of finding one.
int drawStart(const CountingStep &step, int range);

// The box that shows the start (1 counting up, 5 counting down) and the box
// the child fills first.
int startBox(const CountingStep &step);
int firstAnswerBox(const CountingStep &step);

// The box that comes after this one in the row's direction, or 0 when this
// box completes the row.
int nextBox(const CountingStep &step, int box);

// A new row with a fitting step: its start drawn, its first answer box asked.
CountingTask drawTask(const CountingStep &step, int range);

// The box's text is compared with the digits of the expected number.
bool isRight(const CountingTask &task, const QString &answer);

// Moves the task on to the next box after a right answer; false when that
// answer completed the row (the task stays as it was).
bool moveOn(CountingTask &task);

} // namespace CountingRules
