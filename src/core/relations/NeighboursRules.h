#pragma once

#include "NeighboursTask.h"

#include <QString>

class Session;

// The rules of a neighbours task: which number is shown, which neighbour is
// asked, what the answer is and what the boxes are titled.
namespace NeighboursRules {

using Kind = NeighboursTask::Kind;

// The shown number lies in 1 .. range - 1: a draw of 0 becomes 1, a draw of
// the range itself becomes range - 1.
int shownNumber(int drawn, int range);

// Predecessor or successor at the place "E", "Z", "H" or "T". At the ones it
// is the number one below or above; at a larger place it is the multiple of
// that place at or below the number, or the next multiple above it.
int expectedNeighbour(int number, const QString &place, Kind kind);

// Hundreds need a range of at least 1000, thousands one of at least 10000.
bool placeAllowed(const QString &place, int range);

// The title over the answer box, e.g. "Z-Vorgänger" or "E-Nachfolger".
QString answerTitle(const QString &place, Kind kind);

// The title over the shown number.
inline QString numberTitle() {
    return QStringLiteral("Z a h l");
}

// Predecessor or successor with equal chance: Int(Rnd * 2) + 1.
Kind drawKind();

// The session's number first, then the kind.
NeighboursTask drawTask(const Session &session, const QString &place);

// The answer is compared as text with the digits of the neighbour.
bool isRight(const NeighboursTask &task, const QString &answer);

} // namespace NeighboursRules
