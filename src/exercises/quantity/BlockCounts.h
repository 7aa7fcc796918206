#pragma once

// How many blocks of each place the quantities and pictures screens show.
// Both screens write the same four counts; the check of the quantities
// exercise reads them, and both screens paint their rows from them.
namespace MODUL1 {

extern int AnzahlTausender; // thousand cubes, 0 .. 10
extern int AnzahlHunderter; // hundred plates, 0 .. 9
extern int AnzahlZehner;    // ten rods, 0 .. 9
extern int AnzahlEiner;     // unit squares, 0 .. 9

} // namespace MODUL1

// The four counts as one value, for the rules and the painter.
struct BlockCounts {
    int tausender = 0;
    int hunderter = 0;
    int zehner = 0;
    int einer = 0;

    bool operator==(const BlockCounts &o) const {
        return tausender == o.tausender && hunderter == o.hunderter && zehner == o.zehner &&
               einer == o.einer;
    }
};

// The counts the module variables hold now, and setting all four at once.
BlockCounts shownBlocks();
void setShownBlocks(const BlockCounts &counts);
