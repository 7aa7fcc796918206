#pragma once

#include "BlockCounts.h"

#include <QString>

// One task of the quantities exercise: the number shown, and the blocks the
// child has set on the bars so far.
struct QuantitiesTask {
    QString expected; // the number's digits, shown as they are
    BlockCounts built;
};
