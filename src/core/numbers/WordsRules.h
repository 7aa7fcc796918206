#pragma once

#include "WordsTask.h"

// The words exercise: the child reads a number word and types its digits.
namespace WordsRules {

// A number of 1 .. range (one draw), as word and as digits.
WordsTask draw(int range);

// Compared as text: a leading zero makes the answer wrong.
bool isRight(const WordsTask &task, const QString &typed);

} // namespace WordsRules
