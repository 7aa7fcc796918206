#include "Button.h"

#include "FocusMark.h"

void Button::paintEvent(QPaintEvent *event) {
    QPushButton::paintEvent(event);
    if (hasFocus())
        markFactor_ > 0 ? paintFocusMark(this, markFactor_) : paintFocusMark(this);
}
