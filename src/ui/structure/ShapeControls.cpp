#include "ShapeControls.h"

#include "ui/Accessibility.h"
#include "ui/Twips.h"

#include <QPainter>

LineControl::LineControl(const QString &name, QWidget *parent, int x1, int y1, int x2, int y2,
                         int penWidth)
    : QWidget(parent), from_(twPoint(x1, y1)), to_(twPoint(x2, y2)), penWidth_(penWidth) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::markDecoration(this);
    // The widget covers the line and half a pen around it.
    const int margin = penWidth;
    setGeometry(QRect(from_, to_).normalized().adjusted(-margin, -margin, margin, margin));
}

void LineControl::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, from_.x() != to_.x() && from_.y() != to_.y());
    // Drawn in designed pixels from the designed corner, the screen's factor larger.
    const qreal factor = scaleOf(this).factor;
    p.scale(factor, factor);
    const QPoint corner = QRect(from_, to_).normalized().topLeft() - QPoint(penWidth_, penWidth_);
    p.setPen(QPen(Qt::black, penWidth_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from_ - corner, to_ - corner);
}

ShapeControl::ShapeControl(const QString &name, QWidget *parent, Kind kind, const QRect &frameTwips,
                           const QColor &fill, const QColor &border)
    : QWidget(parent), kind_(kind), fill_(fill), border_(border) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::markDecoration(this);
    setGeometry(twRect(frameTwips.x(), frameTwips.y(), frameTwips.width(), frameTwips.height()));
}

void ShapeControl::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ == Kind::Oval);
    const qreal half = scaleOf(this).factor; // half the border's width
    p.setPen(QPen(border_, 2 * half));
    p.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    const QRectF inside = QRectF(rect()).adjusted(half, half, -half, -half);
    if (kind_ == Kind::Oval)
        p.drawEllipse(inside);
    else
        p.drawRect(inside);
}
