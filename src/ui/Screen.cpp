#include "Screen.h"

#include "Accessibility.h"
#include "Button.h"
#include "DisplayRoom.h"
#include "KeyCodes.h"
#include "ScrollingLayout.h"
#include "WindowSize.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {
bool endingProgram = false;
} // namespace

Screen::Screen(const QString &name, const QString &caption, QWidget *parent) : QWidget(parent) {
    Accessibility::install();
    setObjectName(name);
    setWindowTitle(caption);
}

ScreenScale scaleOf(const QWidget *widget) {
    const auto *screen = widget ? qobject_cast<const Screen *>(widget->window()) : nullptr;
    return screen ? screen->scale() : ScreenScale();
}

bool Screen::sizeKey(const QKeyEvent &key) {
    const bool ctrl = key.modifiers() & Qt::ControlModifier;
    if (key.key() == Qt::Key_F11 && !ctrl)
        toggleFullScreen();
    // Ctrl and the plus key: its own key, or shifted on layouts like the US one.
    else if (ctrl && (key.key() == Qt::Key_Plus || key.key() == Qt::Key_Equal))
        zoomBy(1);
    else if (ctrl && key.key() == Qt::Key_Minus)
        zoomBy(-1);
    else if (ctrl && key.key() == Qt::Key_0)
        zoomBy(0);
    else
        return false;
    return true;
}

void Screen::display() {
    ensureLoaded();
    showAtChosenSize();
    raise();
    activateWindow();
}

void Screen::showAtChosenSize() {
    if (WindowSize::fullScreen()) {
        // Opened in full screen, the window starts out over the whole
        // display rather than where its load handler placed it.
        if (!isVisible() && screen())
            setGeometry(screen()->geometry());
        showFullScreen();
        return;
    }
    // Qt's own way back may put the window at the display's corner, its
    // title bar out of reach: it goes back where it stood as a window.
    const std::optional<QPoint> before = windowedAt_;
    if (isFullScreen()) {
        showNormal();
        resize(zoomedSize(WindowSize::zoom()));
        move(before ? *before : DisplayRoom::centred(this));
    }
    if (!isMaximized())
        resizeOnDisplay(zoomedSize(WindowSize::zoom()));
    show();
}

void Screen::resizeOnDisplay(const QSize &size) {
    resize(size);
    // A window grown past the display's edge moves back onto it.
    if (isVisible())
        move(DisplayRoom::keptInside(this, pos()));
}

qreal Screen::zoom() const {
    // A growing screen keeps its controls: its size alone tells the zoom.
    if (layout_.kind() == WindowKind::Growing)
        return ScreenScale::fitting(designedSize(), size()).factor;
    return scale().factor;
}

QSize Screen::zoomedSize(qreal factor) const {
    // Never larger than the display, frame included: nothing is cut off.
    const QSize designed = designedSize();
    const QSize room = DisplayRoom::clientRoom(this);
    if (layout_.kind() == WindowKind::LaidOut)
        return (designed * factor).boundedTo(room);
    if (!designed.isEmpty() && !room.isEmpty())
        factor = std::min({factor, qreal(room.width()) / designed.width(),
                           qreal(room.height()) / designed.height()});
    factor = std::max<qreal>(1, factor);
    return QSize(qRound(designed.width() * factor), qRound(designed.height() * factor));
}

void Screen::followZoom() {
    if (layout_.kind() != WindowKind::LaidOut || !layout_.isRecorded())
        return;
    layout_.setFontFactor(isFullScreen() ? ScreenScale::fitting(designedSize(), size()).factor
                                         : WindowSize::zoom());
}

void Screen::toggleFullScreen() {
    WindowSize::setFullScreen(!isFullScreen());
    showAtChosenSize();
}

void Screen::zoomBy(int steps) {
    if (isFullScreen() || !layout_.isRecorded())
        return;
    const qreal factor = steps == 0 ? WindowSize::smallestZoom : WindowSize::stepped(zoom(), steps);
    WindowSize::setZoom(factor);
    showNormal();
    resizeOnDisplay(zoomedSize(factor));
    followZoom();
}

ScreenScale Screen::frontScale() {
    if (auto *front = qobject_cast<Screen *>(QApplication::activeWindow()))
        return front->scale();
    ScreenScale largest;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *screen = qobject_cast<Screen *>(w); screen && screen->isVisible())
            if (screen->scale().factor > largest.factor)
                largest = screen->scale();
    return largest;
}

void Screen::resizeEvent(QResizeEvent *event) {
    const qreal before = scale().factor;
    const QPoint offset = scale().offset;
    layout_.resized(size());
    followZoom();
    if (scale().factor != before || scale().offset != offset)
        scaleChanged();
    // A window the user sized is the size the next screens open at; a
    // laid-out window's size says nothing of the zoom.
    if (isVisible() && !isFullScreen() && !isMaximized() && layout_.isRecorded() &&
        layout_.kind() != WindowKind::LaidOut)
        WindowSize::setZoom(zoom());
    QWidget::resizeEvent(event);
}

void Screen::moveEvent(QMoveEvent *event) {
    if (isVisible() && windowState() == Qt::WindowNoState)
        windowedAt_ = pos();
    QWidget::moveEvent(event);
}

void Screen::closeAllForEnd() {
    endingProgram = true;
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
}

void Screen::leave() {
    hide();
    emit leftScreen();
}

bool Screen::keyDown(int) {
    return false;
}

bool Screen::commandKey(int code) {
    if (code != KeyCode::Escape)
        return false;
    closeBox();
    return true;
}

bool Screen::handleKey(const QKeyEvent &event) {
    const int code = formKeyCode(event);
    if (commandKey(code))
        return true;
    return keyPreview_ && (keyTyped(event.text()) || keyDown(code));
}

void Screen::setReadingOrder(const QList<QWidget *> &controls) {
    for (int k = 1; k < controls.size(); ++k)
        QWidget::setTabOrder(controls[k - 1], controls[k]);
}

void Screen::setBackground(const QColor &colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

QPushButton *Screen::addButton(const QString &name, const QString &caption, const QRect &geometry) {
    auto *button = new Button(caption, this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

void Screen::placeCentred() {
    // A move would take a window out of full screen.
    if (!(windowState() & Qt::WindowFullScreen))
        move(DisplayRoom::centred(this));
}

void Screen::placeUpperQuarter() {
    if (!(windowState() & Qt::WindowFullScreen))
        move(DisplayRoom::centred(this, 0.25));
}

void Screen::ensureLoaded() {
    if (!loaded_) {
        loaded_ = true;
        // What the screen's code laid out is the designed size; from here on
        // the window may grow and the content grows with it. A laid-out
        // window may also be smaller: its page scrolls then.
        const bool laidOut = layout_.kind() == WindowKind::LaidOut;
        if (laidOut)
            putLayoutInScrollArea(this);
        layout_.record();
        if (!laidOut)
            setMinimumSize(designedSize());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (!WindowSize::fullScreen())
            resize(zoomedSize(WindowSize::zoom()));
        followZoom();
        load();
    }
    watchChildren();
}

void Screen::watchChildren() {
    // Installing twice is harmless: Qt keeps one entry per filter.
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

void Screen::showEvent(QShowEvent *event) {
    ensureLoaded();
    QWidget::showEvent(event);
}

void Screen::closeEvent(QCloseEvent *event) {
    if (endingProgram) {
        event->accept();
        return;
    }
    event->ignore();
    closeBox();
}

void Screen::keyPressEvent(QKeyEvent *event) {
    if (sizeKey(*event))
        return;
    if (!handleKey(*event))
        QWidget::keyPressEvent(event);
}

bool Screen::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::FontChange:
        if (watched->isWidgetType())
            layout_.noticed(static_cast<QWidget *>(watched));
        break;
    case QEvent::KeyPress:
        // The size keys work on every screen, whichever control has the focus.
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this &&
            sizeKey(*static_cast<QKeyEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        // Handled keys stop here; the rest reach the focused control as usual.
        if (handleKey(*static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
