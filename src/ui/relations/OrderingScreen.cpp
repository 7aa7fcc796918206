#include "OrderingScreen.h"

#include "core/Session.h"
#include "core/relations/OrderingRules.h"
#include "ui/Accessibility.h"
#include "ui/KeyCodes.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPushButton>

#include <algorithm>

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
    : ExerciseScreen(QStringLiteral("Form13"), Keys::Own, session) {
    setWindowTitle(QString()); // this screen has no caption of its own
    setPlacedOnLoad(false);
    setFixedSize(tw(screenWidth), tw(screenHeight));

    for (int k = 0; k < columnCount; ++k) {
        Label *number = box(this, 6 + k, twRect(left + k * column, upperTop, boxWidth, boxHeight));
        number->setBackground(numberOrange);
        number->setDragSource(true);
        number->setSpokenName(QStringLiteral("Zahl %1 von %2").arg(k + 1).arg(columnCount));
        number->setFocusPolicy(Qt::ClickFocus); // the arrows choose it; Tab passes it by
        numbers_ << number;

        Label *answer = box(this, 1 + k, twRect(left + k * column, lowerTop, boxWidth, boxHeight));
        answer->setBackground(answerLight);
        answer->setForeground(answerText);
        answer->setDropTarget(true);
        answer->setSpokenName(QStringLiteral("Platz %1").arg(k + 1));
        connect(answer, &Label::dropped, this, [this, answer](const QString &caption) {
            answer->setText(caption);
            choose(chosen_, +1);
        });
        answers_ << answer;
    }
    for (int k = 0; k < columnCount - 1; ++k) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Linie%1").arg(k + 1));
        line->setFrameShape(QFrame::HLine);
        Accessibility::markDecoration(line);
        line->setGeometry(twRect(left + k * column + boxWidth, lowerTop + boxHeight / 2 - 15,
                                 column - boxWidth, 30));
    }

    endButton()->setGeometry(twRect(left, controlsTop, 1200, 600));
    okayButton()->setGeometry(twRect(screenWidth - left - 1200, controlsTop, 1200, 600));
    auto *hint = new Label(QStringLiteral("Bezeichnung11"), this,
                           QStringLiteral("Mit der Maus verschieben oder mit ← → und Leertaste"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setGeometry(twRect(left + 1320, controlsTop, screenWidth - 2 * left - 2640, 600));
    // From the numbers Tab goes on to OKAY, where Space checks.
    setReadingOrder({numbers_.last(), okayButton(), endButton()});
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
    choose(0, +1);
    if (chosen_ >= 0)
        numbers_.at(chosen_)->setFocus();
    taskShown();
}

QList<bool> OrderingScreen::waiting() const {
    QList<bool> waits(columnCount, true);
    for (Label *answer : answers_) {
        for (int k = 0; k < columnCount; ++k)
            if (waits[k] && !answer->text().isEmpty() && numbers_.at(k)->text() == answer->text()) {
                waits[k] = false;
                break;
            }
    }
    return waits;
}

void OrderingScreen::choose(int from, int step) {
    const QList<bool> waits = waiting();
    int found = -1;
    for (int k = qBound(0, from, columnCount - 1); k >= 0 && k < columnCount; k += step)
        if (waits[k]) {
            found = k;
            break;
        }
    if (found < 0) // nothing that way: the nearest waiting number the other way, if any
        for (int k = qBound(0, from, columnCount - 1); k >= 0 && k < columnCount; k -= step)
            if (waits[k]) {
                found = k;
                break;
            }
    select(found);
}

void OrderingScreen::select(int k) {
    const bool hadFocus = chosen_ >= 0 && focusWidget() == numbers_.at(chosen_);
    chosen_ = k;
    for (int k = 0; k < columnCount; ++k)
        numbers_.at(k)->setMarked(k == chosen_);
    if (hadFocus)
        (chosen_ >= 0 ? static_cast<QWidget *>(numbers_.at(chosen_)) : okayButton())->setFocus();
}

void OrderingScreen::placeChosen() {
    if (chosen_ < 0)
        return;
    for (Label *answer : answers_)
        if (answer->text().isEmpty()) {
            answer->receiveDrop(numbers_.at(chosen_)->text());
            return;
        }
}

void OrderingScreen::takeBack() {
    const auto last = std::find_if(answers_.crbegin(), answers_.crend(),
                                   [](const Label *answer) { return !answer->text().isEmpty(); });
    if (last == answers_.crend())
        return;
    const QString caption = (*last)->text();
    (*last)->clear();
    // The number taken back is the chosen one again.
    const QList<bool> waits = waiting();
    for (int k = 0; k < columnCount; ++k)
        if (waits[k] && numbers_.at(k)->text() == caption)
            return select(k);
}

bool OrderingScreen::keyDown(int code) {
    const bool onNumber = numbers_.contains(focusWidget());
    switch (code) {
    case KeyCode::Left:
    case KeyCode::Right: {
        const int step = code == KeyCode::Right ? 1 : -1;
        choose(onNumber ? chosen_ + step : chosen_, step);
        if (chosen_ >= 0)
            numbers_.at(chosen_)->setFocus();
        return true;
    }
    case KeyCode::Space:
        if (!onNumber)
            return false; // a focused button takes its Space itself
        placeChosen();
        return true;
    case KeyCode::Backspace:
        takeBack();
        // The keys go on with the number taken back: Space places it again,
        // also when the last placement had sent the focus on to OKAY.
        if (chosen_ >= 0)
            numbers_.at(chosen_)->setFocus();
        return true;
    default:
        return false;
    }
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
