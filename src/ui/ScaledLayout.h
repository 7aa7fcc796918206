#pragma once

#include "Twips.h"

#include <QFont>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

// Keeps a screen's controls at their designed places for the window's size.
// It notes once what the screen's code laid out (the size, each control's
// rectangle, own font and frame line), and applies it again, scaled and
// centred, whenever the window changes size. A control the screen's code
// moves or gives a font later is taken as designed again.
//
// How a window follows its size, decided once per window.
enum class WindowKind {
    // Every control at its designed place, scaled and centred.
    Designed,
    // The controls keep their size; only the edges a control follows move
    // (a text field taking the new room).
    Growing,
    // Qt layouts place the controls: the window only gets the room and its
    // font grows by the zoom factor.
    LaidOut,
};

class ScaledLayout {
public:
    explicit ScaledLayout(QWidget *screen) : screen_(screen) {}

    void record();
    bool isRecorded() const { return !designed_.isEmpty(); }
    QSize designedSize() const { return designed_; }
    const ScreenScale &scale() const { return scale_; }

    void setKind(WindowKind kind) { kind_ = kind; }
    WindowKind kind() const { return kind_; }
    // A laid-out window's font, enlarged by this factor.
    void setFontFactor(qreal factor);
    // Which edges of the control move with the window's right and bottom edge.
    void follow(QWidget *control, Qt::Edges edges);

    // The window has this size now.
    void resized(const QSize &window);
    // A move, resize or font change reached a control; returns whether it was
    // the screen's own code (then the control is taken as designed again).
    bool noticed(QWidget *control);

private:
    struct Control {
        QPointer<QWidget> widget;
        QRect designed;
        QRect applied;
        std::optional<QFont> font;
        QFont appliedFont;
        int lineWidth = -1;
    };
    void note(QWidget *widget);
    void apply(Control &c);

    QWidget *screen_;
    QSize designed_;
    QSize window_;
    QFont designedFont_;
    ScreenScale scale_;
    std::vector<Control> controls_;
    QHash<const QWidget *, size_t> index_;
    QHash<const QWidget *, Qt::Edges> edges_;
    WindowKind kind_ = WindowKind::Designed;
    bool applying_ = false;
};
