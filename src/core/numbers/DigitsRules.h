#pragma once

#include "DigitsTask.h"

#include <array>

class Session;

// The digits exercise: the child builds the shown number on six place
// sliders, HBildlauf1 (units) .. HBildlauf6 (hundred-thousands).
namespace DigitsRules {

// A number from the session's range that six sliders can form, drawn again
// until it fits; the sliders' places all at 0.
DigitsTask draw(const Session &session);

// Slider 1 .. 6 has been moved to value: its place takes that digit.
void setSlider(DigitsTask &task, int slider, int value);

// The word of the number the sliders form.
QString word(const DigitsTask &task);

// The sliders' values, hundred-thousands first, as six digit characters.
QString sliderDigits(const std::array<int, 6> &hundredThousandsToUnits);

// Whether the sliders spell the expected digits: only as many places from the
// right as the expected number has count; a setting further left does not.
bool isRight(const DigitsTask &task, const QString &sliderDigits);

} // namespace DigitsRules
