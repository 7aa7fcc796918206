#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>

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

// How a screen's designed pixels are shown now: enlarged by the window's
// factor and shifted so that the content stays centred. Factor 1 and no
// offset is the designed size, where nothing moves by a pixel.
struct ScreenScale {
    qreal factor = 1;
    QPoint offset;

    // The largest factor (never below 1) at which the designed size fits
    // the window, centred.
    static ScreenScale fitting(const QSize &designed, const QSize &window) {
        ScreenScale s;
        if (designed.isEmpty())
            return s;
        s.factor = std::max<qreal>(1, std::min(qreal(window.width()) / designed.width(),
                                               qreal(window.height()) / designed.height()));
        s.offset = QPoint(qRound((window.width() - designed.width() * s.factor) / 2),
                          qRound((window.height() - designed.height() * s.factor) / 2));
        return s;
    }

    bool isDesigned() const { return factor == 1 && offset.isNull(); }
    int length(int designed) const { return qRound(designed * factor); }
    qreal points(qreal designed) const { return designed * factor; }

    // Both edges are scaled, so neighbouring controls stay neighbours.
    QRect rect(const QRect &designed) const {
        const int left = length(designed.left());
        const int top = length(designed.top());
        return QRect(left, top, length(designed.left() + designed.width()) - left,
                     length(designed.top() + designed.height()) - top)
            .translated(offset);
    }

    // Lets a painter draw in designed pixels of the screen.
    void applyTo(QPainter &painter) const {
        painter.translate(offset);
        painter.scale(factor, factor);
    }
};

class QWidget;
// The scale of the screen the widget lies on; designed size outside a screen.
ScreenScale scaleOf(const QWidget *widget);
