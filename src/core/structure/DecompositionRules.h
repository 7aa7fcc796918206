#pragma once

#include "DecompositionTask.h"

class Session;

// The rules of the decomposition: a number written as the sum of its place
// values, 3407 = 3000+400+7, without blanks.
namespace DecompositionRules {

// Zero digits give no term, and a number below 10 is its own answer.
QString placeValueSum(qint64 number);

// The plus sign the screen adds by itself: when the expected sum has a plus
// sign right after as many characters as the field holds, the field gets it.
QString withAutomaticPlus(const QString &field, const QString &expected);

// A new task: one number drawn from the session's range.
DecompositionTask draw(const Session &session);

bool isRight(const DecompositionTask &task, const QString &answer);

} // namespace DecompositionRules
