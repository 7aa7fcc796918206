#include "NumberFamilyScreen.h"

#include "ShapeControls.h"
#include "core/NumberText.h"
#include "core/Session.h"
#include "core/structure/NumberFamilyRules.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace {

constexpr int memberWidth = 1215;
constexpr int memberHeight = 375;
constexpr int leftColumnX = 1080;
constexpr int rightColumnX = 2520;
constexpr int firstRowY = 720;
constexpr int rowDistance = 720;

} // namespace

NumberFamilyScreen::NumberFamilyScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form7"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(6240), tw(5040));
    setBackground(QColor(192, 192, 255));

    // The shapes come first so that the labels lie on top of them.
    new ShapeControl(QStringLiteral("Figur1"), this, ShapeControl::Kind::Oval,
                     QRect(240, 240, 4320, 4320), Qt::white, QColor(0, 0, 128));
    new ShapeControl(QStringLiteral("Figur2"), this, ShapeControl::Kind::Oval,
                     QRect(3480, 3720, 2040, 900), QColor(255, 255, 192), QColor(0, 0, 128));

    // The first member on the left, the second on the right half a row
    // lower, and so on down both columns.
    for (int i = 0; i < NumberFamilyTask::shownCount; ++i) {
        const bool left = i % 2 == 0;
        const int row = i / 2;
        const int y = firstRowY + row * rowDistance + (left ? 0 : rowDistance / 2);
        auto *label = new Label(QStringLiteral("Bezeichnung%1").arg(i + 1), this);
        label->setGeometry(twRect(left ? leftColumnX : rightColumnX, y, memberWidth, memberHeight));
        label->setAlignment(Qt::AlignCenter);
        label->setPointSize(12, true);
        members_[size_t(i)] = label;
    }

    answer_ = new Label(QStringLiteral("Bezeichnung10"), this);
    answer_->setGeometry(twRect(3720, 3975, 1560, 390));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setPointSize(12, true);
    setTypedField(answer_);
    setNewTaskLabel(answer_);

    endButton()->setGeometry(twRect(4920, 360, 1095, 495));
    okayButton()->setGeometry(twRect(4920, 1020, 1095, 495));
}

void NumberFamilyScreen::newTask() {
    task_ = NumberFamilyRules::draw(session().range());
    for (size_t i = 0; i < members_.size(); ++i)
        members_[i]->setText(NumberText::digits(task_.members[i]));
    answer_->clear();
    taskShown();
}

void NumberFamilyScreen::checkAnswer() {
    if (NumberFamilyRules::isRight(task_, answer_->text())) {
        reportRight();
        newTask();
    } else {
        reportWrong();
        answer_->clear();
    }
}

ShownTask NumberFamilyScreen::shownTask() const {
    return TaskDescriptions::of(task_, answer_->text());
}
