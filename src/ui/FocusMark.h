#pragma once

#include <QtGlobal>

class QWidget;

// The frame that marks the control the keyboard works on: yellow inside a
// thin black line, seen on every background the screens use. Call it at the
// end of the widget's own paintEvent. Its lines grow with the screen the
// widget lies on, or by the factor given.
void paintFocusMark(QWidget *widget);
void paintFocusMark(QWidget *widget, qreal factor);
