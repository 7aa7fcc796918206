#pragma once

#include "BlockCounts.h"
#include "QuantitiesTask.h"

#include <QString>

class Session;

// The quantities exercise: the child builds the shown number from blocks.
namespace QuantitiesRules {

// A number of 1 .. range (one draw) with no block set yet.
QuantitiesTask draw(const Session &session);

// The number the blocks add up to, as bare digits.
QString sumText(const BlockCounts &counts);

// The blocks are right when their sum, as text, is the shown number.
bool isRight(const QuantitiesTask &task);

} // namespace QuantitiesRules
