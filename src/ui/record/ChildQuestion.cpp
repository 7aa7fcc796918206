#include "ChildQuestion.h"

#include "ui/Button.h"
#include "ui/DisplayRoom.h"
#include "ui/Screen.h"
#include "ui/ScrollingLayout.h"

#include <QKeyEvent>
#include <QLabel>
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
    // As large as the screen behind it: buttons a child at a board can hit.
    const qreal factor = std::max<qreal>(1, Screen::frontScale().factor);
    auto *layout = new QVBoxLayout(this);
    auto *question = new QLabel(QStringLiteral("Wer übt?"), this);
    QFont big = question->font();
    big.setPointSizeF(namePointSize * factor);
    question->setFont(big);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    for (const QString &name : names) {
        auto *button = new Button(name, this);
        button->setMarkFactor(factor);
        button->setObjectName(QStringLiteral("Kind%1").arg(buttons_.size() + 1));
        button->setAccessibleName(name);
        button->setFont(big);
        button->setMinimumSize(qRound(nameMinimumWidth * factor),
                               qRound(nameMinimumHeight * factor));
        button->setAutoDefault(true);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, name] {
            chosen_ = name;
            accept();
        });
        layout->addWidget(button);
        buttons_ << button;
    }
    // Many names or a small display: the names scroll, the box stays whole.
    const QWidget *page = putLayoutInScrollArea(this);
    resize(page->sizeHint().boundedTo(DisplayRoom::clientRoom(this)));
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
