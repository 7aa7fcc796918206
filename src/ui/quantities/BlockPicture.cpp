#include "BlockPicture.h"

#include "ui/Twips.h"

#include <QPainter>
#include <QString>

namespace BlockPicture {
namespace {

// A box between two corners given in twips; both corner pixels are on its outline.
void box(QPainter &p, int left, int top, int right, int bottom) {
    const QPoint a = twPoint(left, top);
    const QPoint b = twPoint(right, bottom);
    p.drawRect(a.x(), a.y(), b.x() - a.x(), b.y() - a.y());
}

void line(QPainter &p, int x1, int y1, int x2, int y2) {
    p.drawLine(twPoint(x1, y1), twPoint(x2, y2));
}

void cube(QPainter &p, int x) {
    const int backLeft = x + cubeDepth;
    const int backRight = x + frontWidth + cubeDepth;
    const int backTop = cubeTop - cubeRise;
    box(p, x, cubeTop, x + frontWidth, cubeBottom);
    // Top face and right face in oblique view.
    line(p, x, cubeTop, backLeft, backTop);
    line(p, backLeft, backTop, backRight, backTop);
    line(p, backRight, backTop, backRight, cubeSideBottom);
    line(p, backRight, cubeSideBottom, x + frontWidth, cubeBottom);
    line(p, x + frontWidth, cubeTop, backRight, backTop);
}

} // namespace

void paint(QPainter &painter, const BlockCounts &counts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A hairline at the designed size; on an enlarged painter a line as
    // thick as the enlargement, still without smoothed edges. A display
    // scaled by the system enlarges without the painter knowing.
    const bool enlarged = painter.worldTransform().m11() > 1 ||
                          (painter.device() && painter.device()->devicePixelRatioF() > 1);
    painter.setPen(QPen(QColor(red, green, blue), enlarged ? 1 : 0));
    painter.setBrush(Qt::NoBrush);
    for (int n = 1; n <= counts.thousands; ++n)
        cube(painter, blockLeft(n));
    for (int n = 1; n <= counts.hundreds; ++n)
        box(painter, blockLeft(n), plateTop, blockLeft(n) + frontWidth, plateBottom);
    for (int n = 1; n <= counts.tens; ++n)
        box(painter, blockLeft(n), rodTop, blockLeft(n) + thinWidth, rodBottom);
    for (int n = 1; n <= counts.ones; ++n)
        box(painter, blockLeft(n), unitTop, blockLeft(n) + thinWidth, unitBottom);
    painter.restore();
}

QString spokenText(const BlockCounts &counts) {
    return QStringLiteral("%1 Tausender, %2 Hunderter, %3 Zehner, %4 Einer")
        .arg(counts.thousands)
        .arg(counts.hundreds)
        .arg(counts.tens)
        .arg(counts.ones);
}

} // namespace BlockPicture
