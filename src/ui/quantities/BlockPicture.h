#pragma once

#include "core/quantities/BlockCounts.h"

class QPainter;
class QString;

// The block rows that the quantities and pictures screens paint in their
// upper part. Geometry is in twips from the screen's top left corner.
namespace BlockPicture {

// Left edge of block n (1, 2, ...) of any row: 700 twips apart, the first at 400.
constexpr int blockLeft(int n) {
    return 700 * n - 300;
}

// Top and bottom of each row's front face.
constexpr int cubeTop = 400;
constexpr int cubeBottom = 900;
constexpr int cubeDepth = 300;      // the oblique top and side: 300 right ...
constexpr int cubeRise = 100;       // ... and 100 up
constexpr int cubeSideBottom = 700; // the side face's back edge ends here
constexpr int plateTop = 1200;
constexpr int plateBottom = 1700;
constexpr int rodTop = 2000;
constexpr int rodBottom = 2500;
constexpr int unitTop = 2800;
constexpr int unitBottom = 2850;
constexpr int frontWidth = 500; // cubes and plates
constexpr int thinWidth = 50;   // rods and units

// The colour every block is drawn in: dark blue.
constexpr int red = 0, green = 0, blue = 128;

// Draws the four rows for these counts: cubes, plates, rods, units, each
// row from block 1 upwards. The caller has painted the background.
void paint(QPainter &painter, const BlockCounts &counts);

// The picture in words, for a screen reader: "3 Tausender, 2 Hunderter, 0 Zehner, 5 Einer".
QString spokenText(const BlockCounts &counts);

} // namespace BlockPicture
