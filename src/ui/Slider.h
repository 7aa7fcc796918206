#pragma once

#include <QScrollBar>

// A horizontal slider of a screen: named for screen readers, moved by the
// keys the way a child reads it (Right and Up add, Left and Down take off,
// Page Up/Down by the page step, Home and End to the ends), and framed while
// it has the keyboard focus.
class Slider : public QScrollBar {
    Q_OBJECT
public:
    Slider(const QString &name, const QString &spokenName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    class Style;
    Style *style_;
};
