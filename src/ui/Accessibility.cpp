#include "Accessibility.h"

#include "Label.h"
#include "Screen.h"

#include <QAccessibleWidget>
#include <QVariant>

namespace {

constexpr const char *decorationProperty = "zubDecoration";

// A label read by what it is and what it shows ("Lücke 2: <").
class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const Label *>(widget())->spokenText();
        return QAccessibleWidget::text(t);
    }
};

// A screen whose children are its controls and labels, without decoration.
class ScreenInterface : public QAccessibleWidget {
public:
    explicit ScreenInterface(QWidget *screen) : QAccessibleWidget(screen, QAccessible::Window) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QWidget *> list = shown();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child ? int(shown().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        for (QWidget *w : shown()) {
            QAccessibleInterface *c = QAccessible::queryAccessibleInterface(w);
            if (c && c->rect().contains(x, y))
                return c;
        }
        return nullptr;
    }

private:
    QList<QWidget *> shown() const {
        QList<QWidget *> list;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !w->property(decorationProperty).toBool())
                list << w;
        }
        return list;
    }
};

QAccessibleInterface *factory(const QString &, QObject *object) {
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelInterface(label);
    if (auto *screen = qobject_cast<Screen *>(object))
        return new ScreenInterface(screen);
    return nullptr;
}

} // namespace

namespace Accessibility {

void install() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(factory);
    }
}

void markDecoration(QWidget *widget) {
    widget->setProperty(decorationProperty, true);
}

} // namespace Accessibility
