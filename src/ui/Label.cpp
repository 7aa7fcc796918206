#include "Label.h"

#include "FocusMark.h"
#include "Twips.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

Label::Label(const QString &name, QWidget *parent, const QString &caption)
    : QLabel(caption, parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
}

void Label::setBackground(const QColor &colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::setForeground(const QColor &colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void Label::setPointSize(qreal points, bool bold) {
    askedPointSize_ = points;
    QFont f = font();
    f.setPointSizeF(points);
    f.setBold(bold);
    setFont(f);
}

void Label::setFittedText(const QString &text) {
    // Fitted in designed pixels: the screen enlarges the font with the label.
    const int room = qRound(width() / scaleOf(this).factor) - 2 * (frameWidth() + fittingMargin);
    QFont f = font();
    f.setPointSizeF(askedPointSize_ > 0 ? askedPointSize_ : f.pointSizeF());
    // Half a point at a time: the longest number word needs about a fifth less.
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(text) > room)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    setFont(f);
    setText(text);
}

void Label::setBordered(bool bordered) {
    setFrameStyle(bordered ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

void Label::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    if (dragSource_) {
        startDrag();
        return;
    }
    pressed_ = true;
}

void Label::mouseReleaseEvent(QMouseEvent *event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (event->button() == Qt::LeftButton && wasPressed &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    else
        QLabel::mouseReleaseEvent(event);
}

void Label::startDrag() {
    auto *mime = new QMimeData;
    mime->setData(mimeType, text().toUtf8());
    mime->setText(text());

    // The label stays where it is; only an outline of it follows the mouse,
    // drawn for the display's pixels and as thick as the screen's frames.
    const qreal ratio = devicePixelRatioF();
    QPixmap outline(size() * ratio);
    outline.setDevicePixelRatio(ratio);
    outline.fill(Qt::transparent);
    QPainter painter(&outline);
    const int pen = std::max(1, scaleOf(this).length(1));
    painter.setPen(QPen(Qt::black, pen, Qt::DashLine));
    painter.drawRect(rect().adjusted(pen / 2, pen / 2, -(pen + 1) / 2, -(pen + 1) / 2));
    painter.end();

    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(outline);
    drag->setHotSpot(QPoint(width() / 2, height() / 2));
    drag->exec(Qt::CopyAction);
}

void Label::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasFormat(mimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void Label::dragMoveEvent(QDragMoveEvent *event) {
    if (event->mimeData()->hasFormat(mimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void Label::dropEvent(QDropEvent *event) {
    if (!event->mimeData()->hasFormat(mimeType)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    receiveDrop(QString::fromUtf8(event->mimeData()->data(mimeType)));
}

void Label::setMarked(bool marked) {
    if (marked_ != marked) {
        marked_ = marked;
        update();
    }
}

void Label::setSpokenName(const QString &name, const QString &whenEmpty) {
    spokenName_ = name;
    whenEmpty_ = whenEmpty;
}

QString Label::spokenText() const {
    if (!accessibleName().isEmpty())
        return accessibleName();
    if (spokenName_.isEmpty())
        return text();
    const QString shown = text().simplified();
    return shown.isEmpty() ? spokenName_ + QStringLiteral(", ") + whenEmpty_
                           : spokenName_ + QStringLiteral(": ") + shown;
}

void Label::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (marked_ || hasFocus())
        paintFocusMark(this);
}

void Label::focusInEvent(QFocusEvent *event) {
    QLabel::focusInEvent(event);
    update();
}

void Label::focusOutEvent(QFocusEvent *event) {
    QLabel::focusOutEvent(event);
    update();
}
