#pragma once

class QWidget;

// What a screen reader finds on our screens: labels say what they are (see
// Label::setSpokenName), and decoration stays out of its way.
namespace Accessibility {

// Registers the program's accessible interfaces; the first call counts.
void install();

// A frame, band, bead or line drawn for the eye only: screen readers skip it.
void markDecoration(QWidget *widget);

} // namespace Accessibility
