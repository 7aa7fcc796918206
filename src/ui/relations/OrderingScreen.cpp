#include "OrderingScreen.h"

#include "core/Session.h"
#include "core/relations/OrderingRules.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPushButton>

namespace {

const QColor numberOrange(255, 170, 80);
const QColor answerLight(255, 255, 225);
const QColor answerText(0, 0, 255);

// Five columns: each number stands directly above the box it may go into.
constexpr int left = 480;
constexpr int boxWidth = 1440;
constexpr int boxHeight = 600;
constexpr int column = boxWidth + 480;
constexpr int upperTop = 360;
constexpr int lowerTop = 1440;
constexpr int controlsTop = 2400;
constexpr int screenWidth = left + 4 * column + boxWidth + left;
constexpr int screenHeight = 3360;

Label *box(QWidget *parent, int number, const QRect &geometry) {
    auto *label = new Label(QStringLiteral("Bezeichnung%1").arg(number), parent);
    label->setPointSize(14, true);
    label->setBordered(true);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

OrderingScreen::OrderingScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form13"), Keys::None, session) {
    setWindowTitle(QString()); // this screen has no caption of its own
    setPlacedOnLoad(false);
    setFixedSize(tw(screenWidth), tw(screenHeight));

    for (int k = 0; k < columnCount; ++k) {
        Label *number = box(this, 6 + k, twRect(left + k * column, upperTop, boxWidth, boxHeight));
        number->setBackground(numberOrange);
        number->setDragSource(true);
        numbers_ << number;

        Label *answer = box(this, 1 + k, twRect(left + k * column, lowerTop, boxWidth, boxHeight));
        answer->setBackground(answerLight);
        answer->setForeground(answerText);
        answer->setDropTarget(true);
        connect(answer, &Label::dropped, answer, &Label::setText);
        answers_ << answer;
    }
    for (int k = 0; k < columnCount - 1; ++k) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Linie%1").arg(k + 1));
        line->setFrameShape(QFrame::HLine);
        line->setGeometry(twRect(left + k * column + boxWidth, lowerTop + boxHeight / 2 - 15,
                                 column - boxWidth, 30));
    }

    endButton()->setGeometry(twRect(left, controlsTop, 1200, 600));
    okayButton()->setGeometry(twRect(screenWidth - left - 1200, controlsTop, 1200, 600));
    auto *hint = new Label(QStringLiteral("Bezeichnung11"), this,
                           QStringLiteral("Mit der Maus verschieben"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setGeometry(twRect(left + 1320, controlsTop, screenWidth - 2 * left - 2640, 600));
}

QStringList OrderingScreen::answerCaptions() const {
    QStringList captions;
    for (Label *answer : answers_)
        captions << answer->text();
    return captions;
}

void OrderingScreen::newTask() {
    task_ = OrderingRules::drawTask(session().range());
    const QStringList shown = OrderingRules::shownTexts(task_);
    for (int k = 0; k < columnCount; ++k) {
        answers_.at(k)->setText(QString());
        numbers_.at(k)->setText(shown.at(k));
    }
    taskShown();
}

void OrderingScreen::checkAnswer() {
    if (OrderingRules::isRight(task_, answerCaptions())) {
        reportRight();
        newTask();
    } else {
        // The boxes keep their numbers so that single ones can be corrected.
        reportWrong();
    }
}

ShownTask OrderingScreen::shownTask() const {
    return TaskDescriptions::of(task_, answerCaptions());
}
