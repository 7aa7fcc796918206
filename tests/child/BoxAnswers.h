#pragma once

#include <QString>

class Child;
struct SeenBox;

// How the scripted child answers whatever box comes: every box is answered,
// questions sometimes one way and sometimes the other.
namespace BoxAnswers {

// The answer in the form ModalBoxes takes ("Ja", "=20", "" for the default).
QString answer(Child &child, const SeenBox &box);

} // namespace BoxAnswers
