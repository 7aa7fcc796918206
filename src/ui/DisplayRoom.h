#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Where a window may lie on its display: the display less its panels, and
// the window's frame (the title bar) counted in, so that a window placed or
// sized here is whole on the screen and can still be moved by its title.
namespace DisplayRoom {

// The display's free area the window lies on, in frame coordinates.
QRect available(const QWidget *window);

// The window manager's frame around the window, as far as it is known: the
// window's own, else that of another shown window of the program.
QMargins frame(const QWidget *window);

// The largest client size that fits the free area with its frame.
QSize clientRoom(const QWidget *window);

// The frame's top left corner that keeps the frame inside the free area,
// as near to the given one as it can be.
QPoint keptInside(const QWidget *window, const QPoint &frameTopLeft);

// The frame's top left corner of the window centred in the free area, with
// the given share of the free height above it (a half centres it).
QPoint centred(const QWidget *window, qreal shareAbove = 0.5);

} // namespace DisplayRoom
