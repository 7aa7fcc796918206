#pragma once

#include <QtGlobal>

// The size every screen is shown at, as the user chose it last: full screen
// or a window enlarged by a factor. Kept per user in Qt's own settings file,
// so that a class sees one size on every screen and on the next day.
namespace WindowSize {

constexpr qreal smallestZoom = 1;
constexpr qreal largestZoom = 3;
constexpr qreal zoomStep = 0.25;

bool fullScreen();
void setFullScreen(bool on);
// Full screen for this run only, whatever the settings say (--vollbild).
void startInFullScreen();

qreal zoom();
void setZoom(qreal factor);

// The factor a step of Ctrl+Plus (steps 1) or Ctrl+Minus (steps -1) leads
// to from this one: the next quarter, within 100 % to 300 %.
qreal stepped(qreal factor, int steps);

} // namespace WindowSize
