#pragma once

#include <QString>

#include <array>

// The rules of the digits exercise, without the screen.

// Draws the task number (Zahl, ZahlText) again until six sliders can form it.
void drawSliderNumber();

// The sliders' values, hundred-thousands first, as six digit characters.
QString sliderDigits(const std::array<int, 6> &hundredThousandsToUnits);

// Whether the sliders spell the expected digits: only as many places from the
// right as the expected number has count; a setting further left does not.
bool slidersSpell(const QString &expected, const QString &sliders);

// The seven-place digit string with one place (1 = millions .. 7 = units) replaced.
QString withPlaceDigit(QString sevenPlaces, int place, int digit);
