#pragma once

#include "BlockCounts.h"

#include <QString>
#include <QtGlobal>

// The rules of the two block exercises, free of widgets.

// The number the blocks add up to, as bare digits: what the child built on
// the quantities screen, compared with ZahlText.
QString blockSumText(const BlockCounts &counts);

// The blocks that picture a number of 1 .. 10000: its digits padded with
// zeros to five places, the first two counting the cubes (so 10000 is ten
// cubes), then one digit each for plates, rods and units.
BlockCounts blocksOfNumber(qint64 number);

// What the child must type for the pictured number: its bare digits.
QString pictureAnswer(qint64 number);
