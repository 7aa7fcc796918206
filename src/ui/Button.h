#pragma once

#include <QPushButton>

// A push button of a screen, framed while it has the keyboard focus as the
// labels and sliders are (the style's own focus line is too faint for a child).
class Button : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The focus frame's lines grow by this factor; by default with the
    // screen the button lies on.
    void setMarkFactor(qreal factor) { markFactor_ = factor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal markFactor_ = 0;
};
