#pragma once

// The task routines of the counting exercise.
namespace MODUL1 {

// Builds a new row on the counting screen from its step text: a step whose
// four steps do not fit into the range is refused with a box and replaced by
// "+ 1". Shows the start, sets Zahl to the number of the first answer box and
// Merker to that box ("2" counting up, "4" counting down), then colours.
void NeueZaehlAufgabe();

// All five boxes red, the box named by Merker green.
void MarkiereAntwortfeld();

} // namespace MODUL1
