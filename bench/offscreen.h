#pragma once

#include <QByteArray>
#include <QtGlobal>

// Benchmarks run headless unless the caller chose a platform.
inline void offscreenUnlessChosen() {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
