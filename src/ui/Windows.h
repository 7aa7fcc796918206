#pragma once

// Deletes every window that nothing owns. A window with an owner (a combo
// box's popup, a dialog made for a screen) is also a top-level widget, but
// goes with its owner: deleting it as well would delete it twice.
void deleteOwnerlessWindows();
