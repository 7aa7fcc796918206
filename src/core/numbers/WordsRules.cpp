#include "WordsRules.h"

#include "NumberWords.h"
#include "core/NumberText.h"
#include "core/Session.h"

namespace WordsRules {

WordsTask draw(const Session &session) {
    const int number = session.drawNumber();
    return {NumberWords::of(number), NumberText::digits(number)};
}

bool isRight(const WordsTask &task, const QString &typed) {
    return typed == task.expected;
}

} // namespace WordsRules
