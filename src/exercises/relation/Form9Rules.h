#pragma once

#include <QString>

// The rules of a neighbours task, without any widget: which number is shown,
// which neighbour is asked, what the answer is and what the boxes are titled.
namespace NachbarRegeln {

// Which neighbour is asked.
enum Art { Vorgaenger = 1, Nachfolger = 2 };

// The shown number lies in 1 .. range - 1: a draw of 0 becomes 1, a draw of
// the range itself becomes range - 1.
int gezeigteZahl(int gezogen, int zahlenraum);

// Predecessor or successor at the place "E", "Z", "H" or "T". At the ones it
// is the number one below or above; at a larger place it is the multiple of
// that place at or below the number, or the next multiple above it.
int erwarteterNachbar(int zahl, const QString &stelle, Art art);

// Hundreds need a range of at least 1000, thousands one of at least 10000.
bool stelleErlaubt(const QString &stelle, int zahlenraum);

// The title over the answer box, e.g. "Z-Vorgänger" or "E-Nachfolger".
QString antwortTitel(const QString &stelle, Art art);

// The title over the shown number.
inline QString zahlTitel() {
    return QStringLiteral("Z a h l");
}

// Predecessor or successor with equal chance: Int(Rnd * 2) + 1.
Art zieheArt();

} // namespace NachbarRegeln
