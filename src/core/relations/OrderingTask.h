#pragma once

#include <array>

// Five numbers of an ordering task, left to right.
using OrderingRow = std::array<int, 5>;

// One ordering task: the numbers in the order they are shown and the same
// numbers as the answer boxes must hold them.
struct OrderingTask {
    OrderingRow shown{};
    OrderingRow sorted{};
};
