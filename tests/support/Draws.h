#pragma once

#include <QLabel>
#include <QMap>
#include <QString>
#include <QWidget>

// The fraction that makes Random::draw(range), and so NeueZahl, give exactly n.
inline double fractionFor(int n, int range) {
    return (n - 0.5) / range;
}

// Every label caption on a screen, by control name: a whole screen compared at once.
inline QMap<QString, QString> labelCaptions(const QWidget &screen) {
    QMap<QString, QString> all;
    for (const QLabel *label : screen.findChildren<QLabel *>())
        all[label->objectName()] = label->text();
    return all;
}
