#include "ModalBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

ModalBoxes::ModalBoxes(QStringList answers) : answers_(std::move(answers)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalBoxes::poll);
    timer_.start();
}

ModalBoxes::~ModalBoxes() {
    timer_.stop();
}

void ModalBoxes::poll() {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    timer_.stop(); // no re-entry while this box is answered
    if (onOtherWindow && !qobject_cast<QMessageBox *>(modal) &&
        !qobject_cast<QInputDialog *>(modal)) {
        onOtherWindow(modal);
        timer_.start();
        return;
    }

    SeenBox box;
    box.title = modal->windowTitle();
    box.width = modal->width();
    QString answer;
    if (!answers_.isEmpty())
        answer = answers_.takeFirst();
    else if (!decide)
        ++unexpected;

    if (auto *message = qobject_cast<QMessageBox *>(modal)) {
        box.text = message->text();
        box.icon = message->icon();
        for (QAbstractButton *b : message->findChildren<QDialogButtonBox *>().value(0)->buttons())
            box.buttons << b->text().remove(QLatin1Char('&'));
        if (message->defaultButton())
            box.defaultButton = message->defaultButton()->text().remove(QLatin1Char('&'));
        seen << box;
        if (onBox)
            onBox(box);
        if (answer.isEmpty() && decide)
            answer = decide(box);
        QAbstractButton *press = message->defaultButton();
        for (QAbstractButton *b : message->buttons())
            if (b->text().remove(QLatin1Char('&')) == answer)
                press = b;
        if (!answer.isEmpty() && (!press || press->text().remove(QLatin1Char('&')) != answer))
            qWarning("ModalBoxes: no button '%s' in box '%s'", qPrintable(answer),
                     qPrintable(box.title));
        if (press)
            QTest::mouseClick(press, Qt::LeftButton);
        else
            message->close();
    } else if (auto *input = qobject_cast<QInputDialog *>(modal)) {
        box.input = true;
        box.text = input->labelText();
        for (QAbstractButton *b : input->findChildren<QDialogButtonBox *>().value(0)->buttons())
            box.buttons << b->text().remove(QLatin1Char('&'));
        seen << box;
        if (onBox)
            onBox(box);
        if (answer.isEmpty() && decide)
            answer = decide(box);
        if (answer.startsWith(QLatin1Char('='))) {
            input->setTextValue(answer.mid(1));
            input->accept();
        } else {
            input->reject();
        }
    } else {
        modal->close();
    }
    timer_.start();
}

QStringList titles(const QList<SeenBox> &boxes) {
    QStringList list;
    for (const SeenBox &b : boxes)
        list << b.title;
    return list;
}
