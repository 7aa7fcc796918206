#pragma once

// How many blocks of each place a row of the block picture shows.
struct BlockCounts {
    int thousands = 0; // cubes, 0 .. 10
    int hundreds = 0;  // plates, 0 .. 9
    int tens = 0;      // rods, 0 .. 9
    int ones = 0;      // unit squares, 0 .. 9

    bool operator==(const BlockCounts &o) const {
        return thousands == o.thousands && hundreds == o.hundreds && tens == o.tens &&
               ones == o.ones;
    }
    bool operator!=(const BlockCounts &o) const { return !(*this == o); }
};
