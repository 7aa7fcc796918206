#pragma once

// The task routine of the neighbours exercise.
namespace MODUL1 {

// Shows a new number on the neighbours screen and asks for its predecessor or
// successor at the place chosen there; sets Merker ("1" predecessor, "2"
// successor), Zahl and ZahlText to the expected answer.
void NeueNachbarAufgabe();

} // namespace MODUL1
