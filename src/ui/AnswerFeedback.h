#pragma once

class Session;

// The boxes that answer a child's answer. A right answer is counted in the
// session first, so that the box's title shows the new count, and the
// reward is announced from its price on.
namespace AnswerFeedback {

void right(Session &session);
void wrong(Session &session);

} // namespace AnswerFeedback
