#include "Trace.h"

#include "ModalBoxes.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

QString controlLine(QWidget *w) {
    QString line = QStringLiteral("  %1 %2,%3 %4x%5%6")
                       .arg(w->objectName())
                       .arg(w->x())
                       .arg(w->y())
                       .arg(w->width())
                       .arg(w->height())
                       .arg(w->isEnabled() ? QString() : QStringLiteral(" disabled"));
    if (auto *label = qobject_cast<QLabel *>(w))
        line += QStringLiteral(" '%1'").arg(label->text());
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        line += QStringLiteral(" '%1'").arg(button->text());
    else if (auto *slider = qobject_cast<QAbstractSlider *>(w))
        line += QStringLiteral(" =%1 [%2..%3]")
                    .arg(slider->value())
                    .arg(slider->minimum())
                    .arg(slider->maximum());
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        line += QStringLiteral(" '%1'").arg(combo->currentText());
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
        line += QStringLiteral(" '%1'").arg(edit->toPlainText());
    return line.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

QByteArray pixelHash(QWidget *screen) {
    const QImage image = screen->grab().toImage();
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                    QCryptographicHash::Md5)
        .toHex()
        .left(12);
}

} // namespace

Trace::Trace() {
    const QString path = qEnvironmentVariable("ZUB_CHILD_TRACE_FILE");
    if (path.isEmpty())
        return;
    file_.setFileName(path);
    file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void Trace::action(int number, const QString &what, QWidget *screen) {
    if (!file_.isOpen())
        return;
    QStringList lines;
    lines << QStringLiteral("%1 %2: %3").arg(number).arg(screen->objectName(), what);
    // topLevelWidgets() comes in no fixed order.
    QWidgetList tops = QApplication::topLevelWidgets();
    std::sort(tops.begin(), tops.end(),
              [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
    for (QWidget *top : tops) {
        if (!top->isVisible() || top->objectName().isEmpty())
            continue;
        QWidget *focus = top->focusWidget();
        lines << QStringLiteral(" screen %1 '%2' %3x%4 focus %5 pixels %6")
                     .arg(top->objectName(), top->windowTitle())
                     .arg(top->width())
                     .arg(top->height())
                     .arg(focus ? focus->objectName() : QString(),
                          QString::fromLatin1(pixelHash(top)));
        // Sorted, so that the order in which a screen creates its controls does not matter.
        QStringList controls;
        for (QWidget *w : top->findChildren<QWidget *>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
                w->isVisibleTo(top))
                controls << controlLine(w);
        controls.sort();
        lines << controls;
    }
    file_.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
}

void Trace::box(const SeenBox &box) {
    if (!file_.isOpen())
        return;
    QString line = QStringLiteral(" box%1 '%2' '%3' icon %4 [%5] default %6")
                       .arg(box.input ? QStringLiteral(" input") : QString(), box.title, box.text)
                       .arg(int(box.icon))
                       .arg(box.buttons.join(QLatin1Char('|')), box.defaultButton);
    line.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    file_.write(line.toUtf8() + '\n');
}
