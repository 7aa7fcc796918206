#pragma once

#include "Fractions.h"

#include <QLabel>
#include <QMap>
#include <QString>
#include <QWidget>

// Every label caption on a screen, by control name: a whole screen compared at once.
inline QMap<QString, QString> labelCaptions(const QWidget &screen) {
    QMap<QString, QString> all;
    for (const QLabel *label : screen.findChildren<QLabel *>())
        all[label->objectName()] = label->text();
    return all;
}
