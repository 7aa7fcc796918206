#include "ChildQuestion.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int namePointSize = 20;
constexpr int nameMinimumHeight = 64;
constexpr int nameMinimumWidth = 360;
} // namespace

ChildQuestion::ChildQuestion(const QStringList &names, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("WerUebt"));
    setWindowTitle(QStringLiteral("Wer übt?"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *question = new QLabel(QStringLiteral("Wer übt?"), this);
    QFont big = question->font();
    big.setPointSize(namePointSize);
    question->setFont(big);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    for (const QString &name : names) {
        auto *button = new QPushButton(name, this);
        button->setObjectName(QStringLiteral("Kind%1").arg(buttons_.size() + 1));
        button->setAccessibleName(name);
        button->setFont(big);
        button->setMinimumSize(nameMinimumWidth, nameMinimumHeight);
        button->setAutoDefault(true);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, name] {
            chosen_ = name;
            accept();
        });
        layout->addWidget(button);
        buttons_ << button;
    }
    if (!buttons_.isEmpty())
        buttons_.first()->setFocus();
}

bool ChildQuestion::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int at = int(buttons_.indexOf(static_cast<QPushButton *>(watched)));
        int step = 0;
        if (key == Qt::Key_Down || key == Qt::Key_Right)
            step = 1;
        else if (key == Qt::Key_Up || key == Qt::Key_Left)
            step = -1;
        if (step != 0 && at >= 0) {
            const int n = int(buttons_.size());
            buttons_.at((at + step + n) % n)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString ChildQuestion::ask(const QStringList &names) {
    ChildQuestion question(names);
    question.exec();
    return question.chosen();
}
