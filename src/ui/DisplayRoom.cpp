#include "DisplayRoom.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace DisplayRoom {
namespace {

QMargins knownFrame(const QWidget *w) {
    const QWindow *handle = w->windowHandle();
    return handle && w->isVisible() && !w->isFullScreen() ? handle->frameMargins() : QMargins();
}

QSize frameExtra(const QWidget *window) {
    const QMargins m = frame(window);
    return QSize(m.left() + m.right(), m.top() + m.bottom());
}

} // namespace

QRect available(const QWidget *window) {
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins frame(const QWidget *window) {
    QMargins own = knownFrame(window);
    if (!own.isNull())
        return own;
    // Before it is first shown a window has no frame yet: the window manager
    // gives it the one it gives the others.
    for (const QWidget *w : QApplication::topLevelWidgets())
        if (const QMargins other = knownFrame(w); !other.isNull())
            return other;
    return QMargins();
}

QSize clientRoom(const QWidget *window) {
    return available(window).size() - frameExtra(window);
}

QPoint keptInside(const QWidget *window, const QPoint &frameTopLeft) {
    const QRect room = available(window);
    const QSize outer = window->size() + frameExtra(window);
    return QPoint(std::clamp(frameTopLeft.x(), room.left(),
                             std::max(room.left(), room.left() + room.width() - outer.width())),
                  std::clamp(frameTopLeft.y(), room.top(),
                             std::max(room.top(), room.top() + room.height() - outer.height())));
}

QPoint centred(const QWidget *window, qreal shareAbove) {
    const QRect room = available(window);
    const QSize outer = window->size() + frameExtra(window);
    return keptInside(window,
                      QPoint(room.x() + (room.width() - outer.width()) / 2,
                             room.y() + qRound((room.height() - outer.height()) * shareAbove)));
}

} // namespace DisplayRoom
