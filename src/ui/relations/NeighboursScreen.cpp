#include "NeighboursScreen.h"

#include "core/NumberText.h"
#include "core/Session.h"
#include "core/relations/NeighboursRules.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPushButton>

namespace {

using Kind = NeighboursTask::Kind;

Label *numberBox(QWidget *parent, const char *name, const QRect &geometry) {
    auto *label = new Label(QString::fromLatin1(name), parent);
    label->setGeometry(geometry);
    label->setBackground(Qt::white);
    label->setBordered(true);
    label->setPointSize(22, true);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

Label *title(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    auto *label = new Label(QString::fromLatin1(name), parent, text);
    label->setGeometry(geometry);
    label->setPointSize(11, true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Twelve coloured beads along the top and the bottom edge: decoration only.
void addBeads(QWidget *parent) {
    static const QColor colours[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 192, 0),
                                     QColor(0, 0, 255)};
    for (int i = 0; i < 12; ++i) {
        auto *bead = new QFrame(parent);
        bead->setObjectName(QStringLiteral("Figur%1").arg(i + 1));
        const int row = i / 6;
        bead->setGeometry(twRect(720 + (i % 6) * 1080, row == 0 ? 120 : 3480, 240, 240));
        bead->setAutoFillBackground(true);
        QPalette p = bead->palette();
        p.setColor(QPalette::Window, colours[i % 4]);
        bead->setPalette(p);
        bead->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
}

} // namespace

NeighboursScreen::NeighboursScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form9"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(7200), tw(3840));
    setBackground(QColor(255, 255, 192));
    addBeads(this);

    leftTitle_ =
        title(this, "Bezeichnung3", QStringLiteral("Vorgänger"), twRect(480, 540, 2400, 360));
    rightTitle_ =
        title(this, "Bezeichnung4", QStringLiteral("Nachfolger"), twRect(4320, 540, 2400, 360));
    left_ = numberBox(this, "Bezeichnung1", twRect(480, 960, 2400, 1080));
    right_ = numberBox(this, "Bezeichnung2", twRect(4320, 960, 2400, 1080));

    place_ = new Label(QStringLiteral("Bezeichnung5"), this, QStringLiteral("E"));
    place_->setGeometry(twRect(3000, 960, 600, 1080));
    place_->setPointSize(24, true);
    place_->setAlignment(Qt::AlignCenter);

    // The place buttons, small and stacked E, Z, H, T beside the place letter.
    static const char *const places[] = {"E", "Z", "H", "T"};
    for (int i = 0; i < 4; ++i) {
        const QString place = QString::fromLatin1(places[i]);
        QPushButton *button = addButton(QStringLiteral("Befehl%1").arg(i + 3), place,
                                        twRect(3660, 960 + i * 270, 480, 270));
        connect(button, &QPushButton::clicked, this, [this, place] { choosePlace(place); });
    }

    endButton()->setGeometry(twRect(960, 2580, 1440, 495));
    okayButton()->setGeometry(twRect(4800, 2580, 1440, 495));

    // A click on either box skips to a new task with the same place.
    setNewTaskLabel(left_);
    setNewTaskLabel(right_);
}

void NeighboursScreen::newTask() {
    task_ = NeighboursRules::drawTask(session(), place_->text());
    showTask();
    taskShown();
}

void NeighboursScreen::showTask() {
    const bool predecessor = task_->kind == Kind::Predecessor;
    Label *answer = predecessor ? left_ : right_;
    Label *shown = predecessor ? right_ : left_;
    answer->setText(QString());
    shown->setText(NumberText::digits(task_->shown));
    (predecessor ? leftTitle_ : rightTitle_)
        ->setText(NeighboursRules::answerTitle(task_->place, task_->kind));
    (predecessor ? rightTitle_ : leftTitle_)->setText(NeighboursRules::numberTitle());
}

void NeighboursScreen::choosePlace(const QString &place) {
    // A place the range is too small for is refused without a word.
    if (!NeighboursRules::placeAllowed(place, session().range()))
        return;
    place_->setText(place);
    newTask();
    okayButton()->setFocus();
}

Label *NeighboursScreen::answerBox() const {
    if (!task_)
        return nullptr;
    return task_->kind == Kind::Predecessor ? left_ : right_;
}

void NeighboursScreen::checkAnswer() {
    Label *box = answerBox();
    if (!box)
        return;
    if (NeighboursRules::isRight(*task_, box->text())) {
        reportRight();
        newTask();
    } else {
        reportWrong();
        box->setText(QString());
    }
}

QLabel *NeighboursScreen::typedField() const {
    return answerBox();
}

ShownTask NeighboursScreen::shownTask() const {
    if (!task_)
        return {};
    return TaskDescriptions::of(*task_, answerBox()->text());
}
