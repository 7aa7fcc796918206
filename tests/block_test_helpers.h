#pragma once

// Probes for the block rows as a screen renders them, in the twips geometry
// the rows are designed in, and a scripted fraction that draws a chosen number.
#include "Draws.h"
#include "ui/Twips.h"
#include "ui/quantities/BlockPicture.h"

#include <QImage>
#include <QList>
#include <QWidget>

namespace BlockProbe {

enum class Row { Cubes, Plates, Rods, Units };

const QColor darkBlue(0, 0, 128);

inline QImage shot(QWidget *screen) {
    return screen->grab().toImage();
}

inline QColor colourAt(const QImage &image, int xTwips, int yTwips) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(tw(xTwips) * ratio), int(tw(yTwips) * ratio));
}

inline bool blueAt(const QImage &image, int xTwips, int yTwips) {
    return colourAt(image, xTwips, yTwips) == darkBlue;
}

// A point half way down each row's front face.
inline int probeY(Row row) {
    using namespace BlockPicture;
    switch (row) {
    case Row::Cubes:
        return (cubeTop + cubeBottom) / 2;
    case Row::Plates:
        return (plateTop + plateBottom) / 2;
    case Row::Rods:
        return (rodTop + rodBottom) / 2;
    case Row::Units:
        return (unitTop + unitBottom) / 2;
    }
    return 0;
}

// The numbers of the blocks whose left edge is drawn, judged for blocks 1 .. 11.
inline QList<int> blocksShown(const QImage &image, Row row) {
    QList<int> shown;
    for (int n = 1; n <= 11; ++n)
        if (blueAt(image, BlockPicture::blockLeft(n), probeY(row)))
            shown << n;
    return shown;
}

inline QList<int> firstBlocks(int count) {
    QList<int> list;
    for (int n = 1; n <= count; ++n)
        list << n;
    return list;
}

// Whether any dark blue pixel lies between these twips heights, across the whole width.
inline bool anyBlueBetween(const QImage &image, int topTwips, int bottomTwips) {
    const qreal ratio = image.devicePixelRatio();
    for (int y = int(tw(topTwips) * ratio); y <= int(tw(bottomTwips) * ratio); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == darkBlue)
                return true;
    return false;
}

// The whole drawing area: from above the cubes' top face to below the units.
inline bool pictureEmpty(const QImage &image) {
    return !anyBlueBetween(image, 0, 2900);
}

} // namespace BlockProbe
