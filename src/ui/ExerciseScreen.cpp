#include "ExerciseScreen.h"

#include "AnswerFeedback.h"
#include "KeyCodes.h"
#include "Label.h"
#include "core/Session.h"

#include <QPushButton>

ExerciseScreen::ExerciseScreen(const QString &name, Keys keys, Session &session)
    : Screen(name, QStringLiteral("ZUB-Zahlen")), session_(session), keys_(keys) {
    endButton_ = addButton(QStringLiteral("Befehl1"), QStringLiteral("ENDE"), QRect(0, 0, 80, 30));
    okayButton_ = addButton(QStringLiteral("Befehl2"), QStringLiteral("OKAY"), QRect(0, 0, 80, 30));
    connect(endButton_, &QPushButton::clicked, this, &ExerciseScreen::leave);
    connect(okayButton_, &QPushButton::clicked, this, [this] { checkAnswer(); });
    setKeyPreview(keys != Keys::None);
}

void ExerciseScreen::reportRight() {
    record(true);
    AnswerFeedback::right(session_);
}

void ExerciseScreen::reportWrong() {
    record(false);
    AnswerFeedback::wrong(session_);
}

void ExerciseScreen::reportWrong(const QString &given) {
    record(false, &given);
    AnswerFeedback::wrong(session_);
}

void ExerciseScreen::taskShown() {
    shownTimer_.start();
    attempt_ = 1;
}

void ExerciseScreen::record(bool right, const QString *given) {
    ShownTask shown = shownTask();
    if (given)
        shown.given = *given;
    if (shown.exercise.isEmpty())
        return;
    AnswerRecord answer;
    answer.exercise = shown.exercise;
    answer.range = session_.range();
    answer.task = shown.task;
    answer.given = shown.given;
    answer.right = right;
    answer.attempt = attempt_++;
    answer.at = QDateTime::currentDateTime();
    answer.millisecondsShown = shownTimer_.isValid() ? shownTimer_.elapsed() : 0;
    session_.record(answer);
}

void ExerciseScreen::setNewTaskLabel(Label *label) {
    connect(label, &Label::clicked, this, [this] { newTask(); });
}

void ExerciseScreen::load() {
    if (placedOnLoad_)
        placeUpperQuarter();
}

void ExerciseScreen::typeInto(QLabel *field, int code) {
    if (code == KeyCode::Backspace) {
        QString text = field->text();
        text.chop(1);
        field->setText(text);
    } else if (isMainDigit(code)) {
        field->setText(field->text() + QChar(code));
    }
}

bool ExerciseScreen::keyDown(int code) {
    if (keys_ == Keys::None || keys_ == Keys::Own)
        return false;
    if (code == KeyCode::Enter) {
        checkAnswer();
        return true;
    }
    if (keys_ == Keys::EnterAndDigits && (code == KeyCode::Backspace || isMainDigit(code))) {
        if (QLabel *field = typedField())
            typeInto(field, code);
        return true;
    }
    return false;
}
