#include "WordsRules.h"

#include "NumberWords.h"
#include "core/NumberText.h"
#include "core/Random.h"

namespace WordsRules {

WordsTask draw(int range) {
    const int number = Random::draw(range);
    return {NumberWords::of(number), NumberText::digits(number)};
}

bool isRight(const WordsTask &task, const QString &typed) {
    return typed == task.expected;
}

} // namespace WordsRules
