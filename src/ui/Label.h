#pragma once

#include <QColor>
#include <QLabel>

// A caption control: a QLabel that reports clicks and can be dragged onto
// another label. A drag carries the dragged label's caption under the
// program's own mime type, so a drop target accepts only our labels and
// needs nothing but the mime data to act.
class Label : public QLabel {
    Q_OBJECT
public:
    static constexpr const char *mimeType = "application/x-zubzahlen-label";
    // Pixels kept free on either side of a fitted text.
    static constexpr int fittingMargin = 6;

    Label(const QString &name, QWidget *parent, const QString &caption = {});

    void setBackground(const QColor &colour);
    void setForeground(const QColor &colour);
    void setPointSize(qreal points, bool bold = false);
    // Shows the text in the asked size, or as much smaller as it needs to
    // fit the label's width with a margin on either side.
    void setFittedText(const QString &text);
    void setBordered(bool bordered);

    // Pressing the mouse on a drag source starts a drag of its caption.
    void setDragSource(bool on) { dragSource_ = on; }
    void setDropTarget(bool on) { setAcceptDrops(on); }
    // Takes a caption as a drop of a label does: the keyboard's way to drop.
    void receiveDrop(const QString &caption) { emit dropped(caption); }

    // A marked label (the next gap, the chosen number) and a label with the
    // keyboard focus wear a frame that shows it.
    void setMarked(bool marked);
    bool isMarked() const { return marked_; }

    // What a screen reader says: the name, then the caption, or `whenEmpty`
    // while there is none ("Lücke 2: <", "Lücke 2, leer"). Without a name,
    // the caption alone; an accessible name set on the label wins.
    void setSpokenName(const QString &name, const QString &whenEmpty = QStringLiteral("leer"));
    QString spokenText() const;

signals:
    void clicked();
    // A label of ours was dropped here; caption is the dragged label's text.
    void dropped(const QString &caption);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    qreal askedPointSize_ = 0;
    void startDrag();
    bool pressed_ = false;
    bool dragSource_ = false;
    bool marked_ = false;
    QString spokenName_;
    QString whenEmpty_;
};
