#pragma once

class Child;

// What must hold after every action of the scripted child.
namespace Invariants {

// The count in the menu's invisible label is the number of right-answer boxes
// seen less 20 for every reward fetched; the menu is never visible together
// with an exercise screen, the memory game or another screen of its own kind.
void check(Child &child);

} // namespace Invariants
