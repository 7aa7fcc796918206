#include "WordsScreen.h"

#include "core/Session.h"
#include "core/numbers/WordsRules.h"
#include "ui/Label.h"
#include "ui/Twips.h"
#include "ui/speech/ReadAloudButton.h"

#include <QPushButton>

namespace {
constexpr int screenWidth = 10800;
constexpr int fieldLeft = 2160;
constexpr int fieldWidth = screenWidth - 2 * fieldLeft;
} // namespace

WordsScreen::WordsScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form2"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(screenWidth), tw(3480));

    wordLabel_ = new Label(QStringLiteral("Bezeichnung1"), this);
    wordLabel_->setGeometry(twRect(120, 240, screenWidth - 240, 600));
    wordLabel_->setAlignment(Qt::AlignCenter);
    wordLabel_->setPointSize(13, true);

    auto *instruction = new Label(QStringLiteral("Bezeichnung4"), this,
                                  QStringLiteral("Tippe die Zahl in Ziffern:"));
    instruction->setGeometry(twRect(0, 1080, screenWidth, 360));
    instruction->setAlignment(Qt::AlignCenter);
    instruction->setForeground(QColor(0, 128, 0));
    instruction->setPointSize(11);

    endButton()->setGeometry(twRect(480, 1800, 1455, 615));
    answerField_ = new Label(QStringLiteral("Bezeichnung2"), this);
    answerField_->setGeometry(twRect(fieldLeft, 1680, fieldWidth, 855));
    answerField_->setAlignment(Qt::AlignCenter);
    answerField_->setPointSize(24, true);
    answerField_->setBackground(Qt::white);
    answerField_->setBordered(true);
    okayButton()->setGeometry(twRect(screenWidth - 480 - 1455, 1800, 1455, 615));

    auto *hint =
        new Label(QStringLiteral("Bezeichnung3"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(fieldLeft, 2760, fieldWidth, 360));
    hint->setAlignment(Qt::AlignCenter);

    setTypedField(answerField_);
    setNewTaskLabel(answerField_);

    // Below OKAY, clear of the hint: the task word read aloud.
    auto *readAloud = new ReadAloudButton(this);
    readAloud->setGeometry(twRect(screenWidth - 480 - 1455, 2640, 1455, 615));
    readAloud->setWordLabel(wordLabel_);
}

void WordsScreen::newTask() {
    task_ = WordsRules::draw(session().range());
    wordLabel_->setFittedText(task_.word);
    taskShown();
}

void WordsScreen::checkAnswer() {
    if (!WordsRules::isRight(task_, answerField_->text())) {
        reportWrong();
        answerField_->clear();
        return;
    }
    reportRight();
    answerField_->clear();
    newTask();
}

ShownTask WordsScreen::shownTask() const {
    return TaskDescriptions::of(task_, answerField_->text());
}
