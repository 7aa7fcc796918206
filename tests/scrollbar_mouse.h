#pragma once

// Mouse work on a real scroll bar: where its arrows, trough and thumb are, as
// its style lays them out.
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace ScrollBarMouse {

// Where a part of the bar lies, with the thumb standing at the given value.
inline QRect part(const QScrollBar *bar, QStyle::SubControl which, int thumbAt) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = thumbAt;
    opt.sliderValue = thumbAt;
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, which, bar);
}

inline QPoint thumbCentre(const QScrollBar *bar, int value) {
    return part(bar, QStyle::SC_ScrollBarSlider, value).center();
}

} // namespace ScrollBarMouse
