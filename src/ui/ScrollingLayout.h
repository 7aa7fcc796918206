#pragma once

class QWidget;

// Moves a window's layout, with every control in it, onto a page inside a
// frameless scroll area that fills the window. Where the window has room the
// page looks as the window did; where the display or a large font leaves too
// little, the page scrolls instead of being cut off.
// Returns the page, whose size hint is the room the window would like.
QWidget *putLayoutInScrollArea(QWidget *window);
