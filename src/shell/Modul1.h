#pragma once

#include <QString>

#include <array>

// The state every exercise shares and the routines around it.
namespace MODUL1 {

// The number range chosen on the menu: 20, 100, 1000, 10000, 100000 or 1000000.
extern int Zahlenraum;
// The current task number, always whole.
extern double Zahl;
// The expected answer as text.
extern QString ZahlText;
// Working copy of the correct-answer count.
extern int Punkte;
// A short text whose meaning each exercise sets before it reads it.
extern QString Merker;
// Ten numbers, used from index 1 to 10; index 0 is never read.
extern std::array<int, 11> Zahlenfeld;

// Draws Zahl uniformly from 1 .. Zahlenraum and sets ZahlText to its digits.
void NeueZahl();
// The wrong-answer box.
void MeldeFehler();
// Counts one correct answer, shows the correct-answer box, then PruefeBelohnung.
void MeldeRichtig();
// From 20 correct answers on: enables the reward button and says so.
void PruefeBelohnung();

// The count kept in the menu's invisible label, read into and written from Punkte.
void LiesPunkte();
void SchreibePunkte();

} // namespace MODUL1
