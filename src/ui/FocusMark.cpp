#include "FocusMark.h"

#include <QPainter>
#include <QWidget>

void paintFocusMark(QWidget *widget) {
    QPainter painter(widget);
    const QRect r = widget->rect();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(QColor(255, 215, 0), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(r).adjusted(2.5, 2.5, -2.5, -2.5));
}
