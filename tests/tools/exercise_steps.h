#pragma once

#include <QList>
#include <QWidget>

#include <functional>

// The pictures' fixed settings: the range the settings file chooses
// (position 3) and the seeds of the random generator.
constexpr quint32 pictureSeed = 2024000;
constexpr int pictureRange = 1000;

// The seed of the n-th picture. Neighbouring seeds of this generator often
// start with the same number, so they lie far apart.
quint32 seedOfPicture(int n);

void press(QWidget *screen, const char *button);

struct Shot {
    const char *button; // the menu button that opens the screen
    const char *file;
    std::function<void(QWidget *)> work; // what the child does before the picture
};

// The exercises by their buttons, then the info screen.
extern const QList<Shot> menuShots;
