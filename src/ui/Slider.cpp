#include "Slider.h"

#include "FocusMark.h"

Slider::Slider(const QString &name, const QString &spokenName, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent) {
    setObjectName(name);
    setAccessibleName(spokenName);
    // A plain QScrollBar turns the keys round (Left moves right).
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
}

void Slider::paintEvent(QPaintEvent *event) {
    QScrollBar::paintEvent(event);
    if (hasFocus())
        paintFocusMark(this);
}
