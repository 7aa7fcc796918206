#pragma once

#include "BlockCounts.h"

#include <QString>

// One task of the pictures exercise: the blocks drawn and the number they make.
struct PicturesTask {
    BlockCounts blocks;
    QString expected; // the number's bare digits, as the child must type them
};
