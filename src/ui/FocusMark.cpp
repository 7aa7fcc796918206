#include "FocusMark.h"

#include "Twips.h"

#include <QPainter>
#include <QWidget>

void paintFocusMark(QWidget *widget, qreal factor) {
    QPainter painter(widget);
    const QRect r = widget->rect();
    // A black line of one pixel around a yellow one of three at the designed
    // size; on an enlarged screen both as thick as the text has grown.
    const int black = std::max(1, qRound(factor));
    painter.setPen(QPen(Qt::black, black));
    if (black == 1) {
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        const qreal half = black / 2.0;
        painter.drawRect(QRectF(r).adjusted(half, half, -half, -half));
    }
    const qreal yellow = 3 * std::max<qreal>(1, factor);
    const qreal middle = black + yellow / 2;
    painter.setPen(QPen(QColor(255, 215, 0), yellow, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(r).adjusted(middle, middle, -middle, -middle));
}

void paintFocusMark(QWidget *widget) {
    paintFocusMark(widget, scaleOf(widget).factor);
}
