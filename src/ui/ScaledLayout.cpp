#include "ScaledLayout.h"

#include <QFrame>

void ScaledLayout::record() {
    designed_ = screen_->size();
    window_ = designed_;
    designedFont_ = screen_->font();
    if (kind_ == WindowKind::LaidOut)
        return;
    for (QObject *child : screen_->children())
        if (auto *w = qobject_cast<QWidget *>(child); w && !w->isWindow())
            note(w);
}

void ScaledLayout::note(QWidget *widget) {
    const auto found = index_.constFind(widget);
    const size_t at = found != index_.cend() ? *found : controls_.size();
    if (at == controls_.size()) {
        controls_.push_back({});
        index_.insert(widget, at);
    }
    Control &c = controls_[at];
    c.widget = widget;
    c.designed = c.applied = widget->geometry();
    c.font.reset();
    if (widget->testAttribute(Qt::WA_SetFont))
        c.font = widget->font();
    c.appliedFont = widget->font();
    auto *frame = qobject_cast<QFrame *>(widget);
    c.lineWidth = frame && kind_ == WindowKind::Designed ? frame->lineWidth() : -1;
}

void ScaledLayout::follow(QWidget *control, Qt::Edges edges) {
    edges_.insert(control, edges);
}

void ScaledLayout::setFontFactor(qreal factor) {
    if (!isRecorded() || factor == scale_.factor)
        return;
    scale_ = ScreenScale{factor, QPoint()};
    QFont f = designedFont_;
    f.setPointSizeF(scale_.points(designedFont_.pointSizeF()));
    screen_->setFont(f);
}

void ScaledLayout::resized(const QSize &window) {
    if (!isRecorded() || window == window_ || kind_ == WindowKind::LaidOut)
        return;
    window_ = window;
    const bool growing = kind_ == WindowKind::Growing;
    const ScreenScale next = growing ? ScreenScale() : ScreenScale::fitting(designed_, window);
    if (!growing && next.factor == scale_.factor && next.offset == scale_.offset)
        return;
    const bool fontsChange = next.factor != scale_.factor;
    scale_ = next;
    applying_ = true;
    if (fontsChange) {
        QFont f = designedFont_;
        f.setPointSizeF(scale_.points(designedFont_.pointSizeF()));
        screen_->setFont(f);
    }
    for (Control &c : controls_)
        if (c.widget)
            apply(c);
    applying_ = false;
}

void ScaledLayout::apply(Control &c) {
    QRect r = scale_.rect(c.designed);
    if (kind_ == WindowKind::Growing) {
        const QSize more = window_ - designed_;
        const Qt::Edges edges = edges_.value(c.widget.data());
        if (edges & Qt::LeftEdge)
            r.setLeft(r.left() + more.width());
        if (edges & Qt::TopEdge)
            r.setTop(r.top() + more.height());
        if (edges & Qt::RightEdge)
            r.setRight(r.right() + more.width());
        if (edges & Qt::BottomEdge)
            r.setBottom(r.bottom() + more.height());
    }
    c.applied = r;
    c.widget->setGeometry(r);
    if (c.font) {
        QFont f = *c.font;
        f.setPointSizeF(scale_.points(c.font->pointSizeF()));
        c.widget->setFont(f);
    }
    c.appliedFont = c.widget->font();
    if (c.lineWidth > 0)
        static_cast<QFrame *>(c.widget.data())
            ->setLineWidth(std::max(1, scale_.length(c.lineWidth)));
}

bool ScaledLayout::noticed(QWidget *control) {
    if (applying_ || !isRecorded() || kind_ == WindowKind::LaidOut ||
        control->parentWidget() != screen_ || control->isWindow())
        return false;
    const auto found = index_.constFind(control);
    if (found == index_.cend()) {
        note(control);
    } else {
        // Only what the screen's code changed is taken as designed.
        Control &c = controls_[*found];
        const bool moved = control->geometry() != c.applied;
        const bool ownFont =
            control->testAttribute(Qt::WA_SetFont) && control->font() != c.appliedFont;
        if (!moved && !ownFont)
            return false;
        if (moved)
            c.designed = c.applied = control->geometry();
        if (ownFont)
            c.font = c.appliedFont = control->font();
    }
    if (!scale_.isDesigned() || kind_ == WindowKind::Growing) {
        applying_ = true;
        apply(controls_[index_.value(control)]);
        applying_ = false;
    }
    return true;
}
