#include "WindowSize.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {
const QString fullScreenKey = QStringLiteral("window/fullScreen");
const QString zoomKey = QStringLiteral("window/zoom");
bool fullScreenThisRun = false;
} // namespace

namespace WindowSize {

bool fullScreen() {
    return fullScreenThisRun || QSettings().value(fullScreenKey, false).toBool();
}

void setFullScreen(bool on) {
    fullScreenThisRun = false;
    QSettings().setValue(fullScreenKey, on);
}

void startInFullScreen() {
    fullScreenThisRun = true;
}

qreal zoom() {
    return std::clamp(QSettings().value(zoomKey, smallestZoom).toDouble(), smallestZoom,
                      largestZoom);
}

void setZoom(qreal factor) {
    if (std::abs(factor - zoom()) > 1e-6)
        QSettings().setValue(zoomKey, factor);
}

qreal stepped(qreal factor, int steps) {
    // A window's size is whole pixels: its factor may miss a quarter by a
    // rounding error, and is taken as that quarter.
    constexpr qreal nearly = 0.01;
    const qreal quarters = steps > 0 ? std::floor(factor / zoomStep + nearly) + steps
                                     : std::ceil(factor / zoomStep - nearly) + steps;
    return std::clamp(quarters * zoomStep, smallestZoom, largestZoom);
}

} // namespace WindowSize
