#pragma once

#include <QString>

// The rules of the memory game as plain text functions. The board is kept as
// text: a deal of eighteen digits (one per card) and eighteen open marks
// ("1" while a card is in play, "0" once its pair is found).
namespace MemoRules {

constexpr int cardCount = 18;

// A new deal: the digits 1, 1, 2, 2, ... 9, 9 each dropped on a free place
// drawn at random from 1 to 18, drawing again while the place is taken.
QString deal();

// The marks of a freshly dealt board: every card in play.
QString allInPlay();

// The caption of a face-up card: the digit, sixteen blanks, the digit again.
QString faceUp(QChar digit);

// Character `position` (counted from 1) of the text, or a null character
// when the text is too short.
QChar at(const QString &text, int position);

// The marks with cards a and b taken out of play.
QString markFound(QString open, int a, int b);

// Whether no card is left in play.
bool allFound(const QString &open);

} // namespace MemoRules
