#pragma once

#include "ScaledLayout.h"

#include <QWidget>

class QPushButton;

// A top-level screen of the program. It runs its load handler once, the
// first time it is shown; it sees every key before its focused control when
// it asks for them; and its window close box runs the screen's own way out
// instead of silently closing it, as Escape does.
class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(const QString &name, const QString &caption, QWidget *parent = nullptr);

    // Runs the load handler on the first call, then shows and raises.
    void display();
    bool isLoaded() const { return loaded_; }

    // Hides the screen and says so: the screen's own way out.
    void leave();

    // The window closes for good (program end): no close-box handler runs.
    static void closeAllForEnd();

    // The size the screen was designed for, and how it is enlarged now.
    QSize designedSize() const { return layout_.designedSize(); }
    const ScreenScale &scale() const { return layout_.scale(); }
    // The scale of the screen in front, for the boxes it opens.
    static ScreenScale frontScale();

    // F11: full screen or a window, for this and every screen shown after.
    void toggleFullScreen();
    // Ctrl+Plus, Ctrl+Minus (steps 1, -1) and Ctrl+0 (steps 0) on a window.
    void zoomBy(int steps);

signals:
    // The screen was left by its own way out; whoever opened it takes over.
    void leftScreen();

protected:
    virtual void load() {}
    // A key press seen before the focused control; return true to consume it.
    virtual bool keyDown(int code);
    // The typed text of that key press, offered first (signs like "<" that
    // share a key with a digit on some layouts); return true to consume it.
    virtual bool keyTyped(const QString &) { return false; }
    // Keys every screen knows, with or without key preview: Escape runs the
    // close box. Screens add their own (a new task, closing by Enter).
    virtual bool commandKey(int code);
    // The window's close box was used.
    virtual void closeBox() { hide(); }

    // The enlarged picture changed: what is not a control follows here.
    virtual void scaleChanged() {}
    // How the window follows its size; set once, in the constructor.
    void setKind(WindowKind kind) { layout_.setKind(kind); }
    // On a growing screen the given edges of a control move with the
    // window's right and bottom edges.
    void follow(QWidget *control, Qt::Edges edges) { layout_.follow(control, edges); }

    void setKeyPreview(bool on) { keyPreview_ = on; }
    void setBackground(const QColor &colour);
    QPushButton *addButton(const QString &name, const QString &caption, const QRect &geometry);
    // Tab visits these controls in this order, as a child reads the screen.
    static void setReadingOrder(const QList<QWidget *> &controls);

    // Placement on the display: centred both ways, or centred across with a
    // quarter of the free height above.
    void placeCentred();
    void placeUpperQuarter();

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ensureLoaded();
    void watchChildren();
    // F11, Ctrl+Plus, Ctrl+Minus, Ctrl+0; true when the key was one of them.
    bool sizeKey(const QKeyEvent &key);
    void showAtChosenSize();
    // The factor the window is shown at now.
    qreal zoom() const;
    QSize zoomedSize(qreal factor) const;
    // A laid-out window's font follows the zoom, or in full screen the room.
    void followZoom();
    void resizeOnDisplay(const QSize &size);
    ScaledLayout layout_{this};
    bool handleKey(const QKeyEvent &event);
    bool loaded_ = false;
    bool keyPreview_ = false;
    // Where the window's frame stood last as a window, to go back there
    // from full screen; none before it was ever shown as a window.
    std::optional<QPoint> windowedAt_;
};
