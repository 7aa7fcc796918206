#pragma once

// Drag-and-drop as the window system delivers it, for tests that cannot run
// a real QDrag (its loop needs a live display).

#include "ui/Label.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <QWindow>

#include <memory>

// What one of our labels puts on the drag: its caption under our own type.
inline std::unique_ptr<QMimeData> labelDrag(const QString &caption) {
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QString::fromLatin1(Label::mimeType), caption.toUtf8());
    mime->setText(caption);
    return mime;
}

// A drag from another program: plain text only.
inline std::unique_ptr<QMimeData> foreignDrag(const QString &text) {
    auto mime = std::make_unique<QMimeData>();
    mime->setText(text);
    return mime;
}

// Sends the enter and the drop straight to one widget; returns whether the
// drop was accepted.
inline bool dropOnto(QWidget *target, const QMimeData &mime) {
    const QPointF at = QRectF(target->rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Lets go of a drag at a point of a shown screen: the events go to the
// screen's window, which hands them to the drop target under the point (or
// refuses them when there is none), just as with a real mouse. A drag that
// nobody accepts is left without a drop, as the drag loop would do.
inline bool dropAt(QWidget *screen, const QPoint &pos, const QMimeData &mime) {
    QWindow *window = screen->window()->windowHandle();
    if (!window)
        return false;
    const QPoint at = screen->mapTo(screen->window(), pos);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window, &leave);
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

// The same, at the centre of a control.
inline bool dropOn(QWidget *screen, QWidget *control, const QMimeData &mime) {
    return dropAt(screen, control->mapTo(screen, control->rect().center()), mime);
}
