#pragma once

#include <functional>

// The composition root: which screen each menu button opens.
void wireScreens();

// Runs the whole program; afterFirstPaint (for measurements) runs once the
// menu has been painted for the first time.
int runProgram(int argc, char **argv, std::function<void()> afterFirstPaint = {});
