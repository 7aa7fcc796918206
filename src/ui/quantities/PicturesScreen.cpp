#include "PicturesScreen.h"

#include "BlockPicture.h"
#include "core/quantities/PicturesRules.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPainter>
#include <QPushButton>

PicturesScreen::PicturesScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form5"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(7700), tw(4380));
    setBackground(QColor(255, 128, 128));

    endButton()->setGeometry(twRect(360, 3240, 1575, 495));
    okayButton()->setGeometry(twRect(5760, 3240, 1575, 495));

    answer_ = new Label(QStringLiteral("Bezeichnung1"), this);
    answer_->setGeometry(twRect(2160, 3120, 3375, 615));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setBordered(true);
    answer_->setPointSize(18, true);
    setTypedField(answer_);
    setNewTaskLabel(answer_);

    auto *hint =
        new Label(QStringLiteral("Bezeichnung2"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(2160, 3780, 3375, 255));
    hint->setAlignment(Qt::AlignCenter);
}

void PicturesScreen::newTask() {
    task_ = PicturesRules::draw(session());
    update();
    answer_->clear();
    taskShown();
}

void PicturesScreen::checkAnswer() {
    if (PicturesRules::isRight(task_, answer_->text())) {
        reportRight();
        newTask();
    } else {
        // The field is emptied first, so the child starts afresh behind the box.
        const QString given = answer_->text();
        answer_->clear();
        reportWrong(given);
    }
}

void PicturesScreen::paintEvent(QPaintEvent *event) {
    ExerciseScreen::paintEvent(event);
    // Painted from the task every time, so the picture comes back after the
    // screen was covered.
    QPainter painter(this);
    BlockPicture::paint(painter, task_.blocks);
}

ShownTask PicturesScreen::shownTask() const {
    return TaskDescriptions::of(task_, answer_->text());
}
