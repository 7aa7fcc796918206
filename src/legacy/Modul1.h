#pragma once

#include <QString>

#include <array>

class Session;

// What the exercises not yet moved to their own task objects still share.
namespace MODUL1 {

// The session of the program (set by the app; a default one before that).
Session &session();
void useSession(Session *session);

// The current task number, always whole.
extern double Zahl;
// The expected answer as text.
extern QString ZahlText;
// A short text whose meaning each exercise sets before it reads it.
extern QString Merker;
// Ten numbers, used from index 1 to 10; index 0 is never read.
extern std::array<int, 11> Zahlenfeld;

// Draws Zahl uniformly from 1 .. range and sets ZahlText to its digits.
void NeueZahl();
// The wrong-answer box.
void MeldeFehler();
// Counts one correct answer and shows its box (and the reward's).
void MeldeRichtig();

} // namespace MODUL1
