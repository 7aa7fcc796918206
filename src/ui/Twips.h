#pragma once

#include <QPoint>
#include <QRect>

// Screen geometry is designed in twips (1/1440 inch); at 96 dots per inch
// fifteen twips make one pixel. Every conversion goes through here.
constexpr int twipsPerPixel = 15;

constexpr int tw(int twips) {
    return twips / twipsPerPixel;
}

inline QPoint twPoint(int x, int y) {
    return QPoint(tw(x), tw(y));
}

inline QRect twRect(int left, int top, int width, int height) {
    return QRect(tw(left), tw(top), tw(width), tw(height));
}
