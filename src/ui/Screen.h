#pragma once

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ensureLoaded();
    void watchChildren();
    bool handleKey(const QKeyEvent &event);
    bool loaded_ = false;
    bool keyPreview_ = false;
};
