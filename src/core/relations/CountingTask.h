#pragma once

// A step as the step text tells it: "+ 10" is ten upwards, "- 3" three downwards.
struct CountingStep {
    bool up = true;
    int width = 1;
};

// One counting row: the start in its box and the box the child fills now.
struct CountingTask {
    CountingStep step;
    int start = 0;
    // The box being filled, 1 .. 5 left to right; 0 before the first row.
    int box = 0;
    // The number that belongs into that box.
    int expected = 0;
};
