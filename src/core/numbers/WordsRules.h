#pragma once

#include "WordsTask.h"

class Session;

// The words exercise: the child reads a number word and types its digits.
namespace WordsRules {

// A number from the session's range, as word and as digits.
WordsTask draw(const Session &session);

// Compared as text: a leading zero makes the answer wrong.
bool isRight(const WordsTask &task, const QString &typed);

} // namespace WordsRules
