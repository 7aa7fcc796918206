#pragma once

#include "BlockCounts.h"
#include "PicturesTask.h"

#include <QString>
#include <QtGlobal>

class Session;

// The pictures exercise: the screen draws a number as blocks and the child
// types the number.
namespace PicturesRules {

// A number of 1 .. range (one draw), pictured as blocks.
PicturesTask draw(const Session &session);

// The blocks that picture a number of 1 .. 10000: its digits padded with
// zeros to five places, the first two counting the cubes (so 10000 is ten
// cubes), then one digit each for plates, rods and units.
BlockCounts blocksOf(qint64 number);

// The typed text must be the number's digits, character for character.
bool isRight(const PicturesTask &task, const QString &typed);

} // namespace PicturesRules
