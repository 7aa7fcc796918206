#include "Slider.h"

#include "FocusMark.h"
#include "Twips.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionSlider>

// The style's arrow buttons are a fixed few pixels wide: on an enlarged
// screen they are as much wider as the screen is larger, so that where the
// slider takes a click matches what it draws.
class Slider::Style : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override {
        const int designed = QProxyStyle::pixelMetric(metric, option, widget);
        if (drawingDesigned || (metric != PM_ScrollBarExtent && metric != PM_ScrollBarSliderMin))
            return designed;
        return scaleOf(widget).length(designed);
    }
    // While set, the slider is drawn at its designed size on a painter that
    // enlarges it: arrows and lines grow with it.
    bool drawingDesigned = false;
};

Slider::Slider(const QString &name, const QString &spokenName, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent), style_(new Style) {
    setObjectName(name);
    setAccessibleName(spokenName);
    // A plain QScrollBar turns the keys round (Left moves right).
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
    style_->setParent(this);
    setStyle(style_);
}

void Slider::paintEvent(QPaintEvent *event) {
    const qreal factor = scaleOf(this).factor;
    if (factor <= 1) {
        QScrollBar::paintEvent(event);
    } else {
        QPainter painter(this);
        painter.scale(factor, factor);
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.rect = QRect(0, 0, qRound(width() / factor), qRound(height() / factor));
        style_->drawingDesigned = true;
        style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
        style_->drawingDesigned = false;
    }
    if (hasFocus())
        paintFocusMark(this);
}
