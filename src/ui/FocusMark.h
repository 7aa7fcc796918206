#pragma once

class QWidget;

// The frame that marks the control the keyboard works on: yellow inside a
// thin black line, seen on every background the screens use. Call it at the
// end of the widget's own paintEvent.
void paintFocusMark(QWidget *widget);
