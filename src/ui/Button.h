#pragma once

#include <QPushButton>

// A push button of a screen, framed while it has the keyboard focus as the
// labels and sliders are (the style's own focus line is too faint for a child).
class Button : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
