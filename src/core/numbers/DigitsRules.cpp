#include "DigitsRules.h"

#include "core/Random.h"

#include "NumberWords.h"
#include "core/NumberText.h"
#include "core/Session.h"

namespace DigitsRules {

DigitsTask draw(const Session &session) {
    DigitsTask task;
    // Only the largest range reaches the seventh digit (1 000 000 itself).
    task.expected = NumberText::digits(Random::drawUntil(
        [&session] { return session.drawNumber(); },
        [&session](int n) { return n <= 999999 || session.range() <= 999999; }, 999999));
    return task;
}

void setSlider(DigitsTask &task, int slider, int value) {
    // HBildlauf1 writes the units, place 7; HBildlauf6 the hundred-thousands, place 2.
    task.places[7 - slider] = QChar(u'0' + value);
}

QString word(const DigitsTask &task) {
    return NumberWords::ofPlaces(task.places);
}

QString sliderDigits(const std::array<int, 6> &hundredThousandsToUnits) {
    QString digits;
    for (int value : hundredThousandsToUnits)
        digits += QChar(u'0' + value);
    return digits;
}

bool isRight(const DigitsTask &task, const QString &sliderDigits) {
    return sliderDigits.right(task.expected.size()) == task.expected;
}

} // namespace DigitsRules
