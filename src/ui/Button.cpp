#include "Button.h"

#include "FocusMark.h"

void Button::paintEvent(QPaintEvent *event) {
    QPushButton::paintEvent(event);
    if (hasFocus())
        paintFocusMark(this);
}
