#pragma once

#include <QFont>

class QWidget;

// Boxes and dialogs opened over an enlarged screen are as readable as the
// screen: a larger font, and icons and the room around button texts grown
// alike. At the designed size nothing of them changes.
namespace BoxScale {

// The application's font as large as the screen in front shows its own.
QFont font();

// Gives the box the front screen's enlargement.
void likeFront(QWidget &box);

} // namespace BoxScale
