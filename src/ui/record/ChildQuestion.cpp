#include "ChildQuestion.h"

#include "ui/Button.h"
#include "ui/DisplayRoom.h"
#include "ui/Screen.h"
#include "ui/ScrollingLayout.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int namePointSize = 20;
constexpr int nameMinimumHeight = 64;
constexpr int nameMinimumWidth = 360;
// A class of 25 fits the screen in columns of this many names.
constexpr int namesPerColumn = 9;
} // namespace

ChildQuestion::ChildQuestion(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("WerUebt"));
    setWindowTitle(QStringLiteral("Wer übt?"));
    setModal(true);
    // As large as the screen behind it: buttons a child at a board can hit.
    factor_ = std::max<qreal>(1, Screen::frontScale().factor);
    auto *layout = new QVBoxLayout(this);
    auto *question = new QLabel(QStringLiteral("Wer übt?"), this);
    QFont big = question->font();
    big.setPointSizeF(namePointSize * factor_);
    question->setFont(big);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    grid_ = new QGridLayout;
    layout->addLayout(grid_);
    // Many names or a small display: the names scroll, the box stays whole.
    page_ = putLayoutInScrollArea(this);
}

ChildQuestion::ChildQuestion(const QStringList &names, QWidget *parent) : ChildQuestion(parent) {
    QList<Choice> choices;
    for (const QString &name : names)
        choices.append({QStringLiteral("Kind%1").arg(choices.size() + 1), name,
                        [this, name] { choose(name, {}); }});
    offer(choices);
}

ChildQuestion::ChildQuestion(const QList<RosterChild> &roster, QWidget *parent)
    : ChildQuestion(parent) {
    offerClasses(roster);
}

void ChildQuestion::offerClasses(const QList<RosterChild> &roster) {
    QStringList classes;
    for (const RosterChild &child : roster)
        if (!classes.contains(child.className))
            classes << child.className;
    if (classes.size() == 1) {
        offerClass(roster, classes.first(), false);
        return;
    }
    QList<Choice> choices;
    for (const QString &name : classes)
        choices.append({QStringLiteral("Klasse%1").arg(choices.size() + 1),
                        QStringLiteral("Klasse %1").arg(name),
                        [this, roster, name] { offerClass(roster, name, true); }});
    offer(choices);
}

void ChildQuestion::offerClass(const QList<RosterChild> &roster, const QString &className,
                               bool back) {
    QList<Choice> choices;
    for (const RosterChild &child : roster)
        if (child.className == className)
            choices.append({QStringLiteral("Kind%1").arg(choices.size() + 1), child.name,
                            [this, child] { choose(child.name, child.id); }});
    if (back)
        choices.append({QStringLiteral("AndereKlasse"), QStringLiteral("« Andere Klasse"),
                        [this, roster] { offerClasses(roster); }});
    offer(choices);
}

void ChildQuestion::offer(const QList<Choice> &choices) {
    for (QPushButton *button : std::exchange(buttons_, {}))
        button->deleteLater();
    QFont big = font();
    big.setPointSizeF(namePointSize * factor_);
    for (const Choice &choice : choices) {
        auto *button = new Button(choice.caption, this);
        button->setMarkFactor(factor_);
        button->setObjectName(choice.objectName);
        button->setAccessibleName(choice.caption);
        button->setFont(big);
        button->setMinimumSize(qRound(nameMinimumWidth * factor_),
                               qRound(nameMinimumHeight * factor_));
        button->setAutoDefault(true);
        button->installEventFilter(this);
        // Queued: the button that was clicked may be replaced by the next choices.
        connect(button, &QPushButton::clicked, this, choice.pick, Qt::QueuedConnection);
        const int at = int(buttons_.size());
        grid_->addWidget(button, at % namesPerColumn, at / namesPerColumn);
        buttons_ << button;
    }
    resize(page_->sizeHint().boundedTo(DisplayRoom::clientRoom(this)));
    if (!buttons_.isEmpty())
        buttons_.first()->setFocus();
}

void ChildQuestion::choose(const QString &name, const QString &id) {
    chosen_ = name;
    chosenId_ = id;
    accept();
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
