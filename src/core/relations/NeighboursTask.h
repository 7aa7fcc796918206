#pragma once

#include <QString>

// One neighbours task: a number shown in one box, its predecessor or
// successor at a place asked in the other.
struct NeighboursTask {
    // Which neighbour is asked; the predecessor goes into the left box, the
    // successor into the right one.
    enum class Kind { Predecessor = 1, Successor = 2 };

    int shown = 0;
    Kind kind = Kind::Predecessor;
    // "E", "Z", "H" or "T".
    QString place;
    int expected = 0;
};
