#pragma once

#include <QColor>
#include <QWidget>

// The drawn decorations of a screen as controls of their own, so that every
// line and shape has its name and place like a label: a straight line between
// two points, and a circle, oval or rectangle filling its frame. They never
// take the mouse, so a label lying on a shape still gets its clicks.

class LineControl : public QWidget {
    Q_OBJECT
public:
    // End points in twips, in the coordinates of the parent.
    LineControl(const QString &name, QWidget *parent, int x1, int y1, int x2, int y2,
                int penWidth = 2);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_; // pixels, in the parent's coordinates
    QPoint to_;
    int penWidth_;
};

class ShapeControl : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Oval };

    // The frame in twips; a circle is an oval in a square frame.
    ShapeControl(const QString &name, QWidget *parent, Kind kind, const QRect &frameTwips,
                 const QColor &fill, const QColor &border);

    Kind kind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind kind_;
    QColor fill_;
    QColor border_;
};
