#include "BoxScale.h"

#include "Screen.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace BoxScale {
namespace {

QStyle::StandardPixmap pixmapOf(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Critical:
        return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Question:
        return QStyle::SP_MessageBoxQuestion;
    case QMessageBox::Warning:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

// The box's icon drawn afresh at the larger size, not blown up: the box
// still tells its icon by kind (for screen readers and tests).
void growIcon(QMessageBox &box, qreal factor) {
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    if (!label || box.icon() == QMessageBox::NoIcon)
        return;
    QStyle *style = box.style();
    const int size =
        qRound(style->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * factor);
    label->setPixmap(style->standardIcon(pixmapOf(box.icon()), nullptr, &box)
                         .pixmap(QSize(size, size), box.devicePixelRatio()));
}

// The style leaves a few pixels beside a button's text whatever its size:
// a larger text gets a margin as large as it.
void padButtons(QWidget &box) {
    for (QPushButton *button : box.findChildren<QPushButton *>()) {
        const int pad = button->fontMetrics().height() / 2;
        button->setMinimumSize(button->sizeHint() + QSize(2 * pad, pad));
    }
}

qreal frontFactor() {
    return Screen::frontScale().factor;
}

} // namespace

QFont font() {
    QFont f = QApplication::font();
    const ScreenScale scale = Screen::frontScale();
    if (scale.factor > 1 && f.pointSizeF() > 0)
        f.setPointSizeF(scale.points(f.pointSizeF()));
    return f;
}

void likeFront(QWidget &box) {
    const qreal factor = frontFactor();
    if (factor <= 1)
        return;
    box.setFont(font());
    if (auto *message = qobject_cast<QMessageBox *>(&box))
        growIcon(*message, factor);
    padButtons(box);
}

} // namespace BoxScale
