#include "Screen.h"

#include "Accessibility.h"
#include "Button.h"
#include "KeyCodes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {
bool endingProgram = false;

QRect displayGeometry(const QWidget *w) {
    const QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}
} // namespace

Screen::Screen(const QString &name, const QString &caption, QWidget *parent) : QWidget(parent) {
    Accessibility::install();
    setObjectName(name);
    setWindowTitle(caption);
}

void Screen::display() {
    ensureLoaded();
    show();
    raise();
    activateWindow();
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
    const QRect d = displayGeometry(this);
    move(d.x() + (d.width() - width()) / 2, d.y() + (d.height() - height()) / 2);
}

void Screen::placeUpperQuarter() {
    const QRect d = displayGeometry(this);
    move(d.x() + (d.width() - width()) / 2, d.y() + (d.height() - height()) / 4);
}

void Screen::ensureLoaded() {
    if (!loaded_) {
        loaded_ = true;
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
    if (!handleKey(*event))
        QWidget::keyPressEvent(event);
}

bool Screen::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        // Handled keys stop here; the rest reach the focused control as usual.
        if (handleKey(*static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
