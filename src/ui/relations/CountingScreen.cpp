#include "CountingScreen.h"

#include "core/NumberText.h"
#include "core/Session.h"
#include "core/relations/CountingRules.h"
#include "ui/Dialogs.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPushButton>

namespace {

constexpr int boxLeft = 240;
constexpr int boxTop = 600;
constexpr int boxWidth = 1560;
constexpr int boxHeight = 900;
constexpr int boxGap = 480;
constexpr int rowTop = 2100;
constexpr int smallWidth = 540;
constexpr int smallPitch = 570;
constexpr int buttonHeight = 495;

const QColor waitingRed(255, 0, 0);
const QColor answerGreen(0, 255, 0);

struct StepButton {
    const char *name;
    const char *caption;
    const char *stepText; // null: a random step
    bool up;
};

// Left of ENDE the steps down, right of OKAY the steps up.
const StepButton downButtons[] = {{"Befehl3", " - E", "- 1", false},
                                  {"Befehl4", " - Z", "- 10", false},
                                  {"Befehl5", " - H", "- 100", false},
                                  {"Befehl6", " - T", "- 1000", false},
                                  {"Befehl11", "- ?", nullptr, false}};
const StepButton upButtons[] = {{"Befehl7", " + E", "+ 1", true},
                                {"Befehl8", " + Z", "+ 10", true},
                                {"Befehl9", " + H", "+ 100", true},
                                {"Befehl10", " + T", "+ 1000", true},
                                {"Befehl12", "+ ?", nullptr, true}};

} // namespace

CountingScreen::CountingScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form12"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(10200), tw(3000));
    setBackground(QColor(192, 192, 192));

    for (int i = 0; i < 5; ++i) {
        const int left = boxLeft + i * (boxWidth + boxGap);
        auto *box = new Label(QStringLiteral("Bezeichnung%1").arg(i + 1), this,
                              QString::number((i + 1) * 10));
        box->setGeometry(twRect(left, boxTop, boxWidth, boxHeight));
        box->setPointSize(14, true);
        box->setAlignment(Qt::AlignCenter);
        box->setBordered(true);
        box->setBackground(waitingRed);
        boxes_[i] = box;
        if (i < 4) { // the connector to the next box
            auto *line = new QFrame(this);
            line->setObjectName(QStringLiteral("Linie%1").arg(i + 1));
            line->setFrameStyle(QFrame::HLine | QFrame::Plain);
            line->setLineWidth(2);
            line->setGeometry(twRect(left + boxWidth, boxTop + boxHeight / 2 - 60, boxGap, 120));
        }
    }

    auto addSteps = [this](const StepButton *buttons, int left) {
        for (int i = 0; i < 5; ++i) {
            const StepButton &b = buttons[i];
            QPushButton *button =
                addButton(QString::fromLatin1(b.name), QString::fromLatin1(b.caption),
                          twRect(left + i * smallPitch, rowTop, smallWidth, buttonHeight));
            const QString text = b.stepText ? QString::fromLatin1(b.stepText) : QString();
            const bool up = b.up;
            connect(button, &QPushButton::clicked, this, [this, text, up] {
                chooseStep(text.isEmpty() ? CountingRules::randomStepText(up) : text);
            });
        }
    };
    addSteps(downButtons, 480);
    endButton()->setGeometry(twRect(3420, rowTop, 960, buttonHeight));

    step_ = new Label(QStringLiteral("Bezeichnung6"), this, QStringLiteral("+ 1"));
    step_->setGeometry(twRect(4500, rowTop, 1200, buttonHeight));
    step_->setPointSize(14, true);
    step_->setAlignment(Qt::AlignCenter);
    step_->setBordered(true);
    step_->setBackground(Qt::white);
    step_->setCursor(Qt::PointingHandCursor);
    setNewTaskLabel(step_); // a click builds a new row with the same step

    okayButton()->setGeometry(twRect(5820, rowTop, 960, buttonHeight));
    addSteps(upButtons, 6900);
}

void CountingScreen::chooseStep(const QString &text) {
    step_->setText(text);
    newTask();
}

void CountingScreen::newTask() {
    okayButton()->setFocus();
    for (Label *box : boxes_)
        box->setText(QString());

    CountingStep step = CountingRules::readStep(step_->text());
    // Five numbers of the row must fit into the range; otherwise no start exists.
    if (!CountingRules::stepFits(step, session().range())) {
        msgBox(QStringLiteral("Auswahl passt nicht\rzu dem Zahlenraum!\r"), MsgIcon::None,
               MsgButtons::Ok, QStringLiteral("Zahlenkonflikt"));
        step_->setText(CountingRules::replacementStepText());
        step = CountingRules::readStep(CountingRules::replacementStepText());
    }

    task_ = CountingRules::drawTask(step, session().range());
    box(CountingRules::startBox(step))->setText(NumberText::digits(task_.start));
    markAnswerBox();
    taskShown();
}

void CountingScreen::markAnswerBox() {
    for (Label *box : boxes_)
        box->setBackground(waitingRed);
    if (Label *current = answerBox())
        current->setBackground(answerGreen);
}

Label *CountingScreen::answerBox() const {
    return task_.box >= 1 && task_.box <= 5 ? boxes_[task_.box - 1] : nullptr;
}

void CountingScreen::checkAnswer() {
    Label *box = answerBox();
    if (!box)
        return;
    if (!CountingRules::isRight(task_, box->text())) {
        reportWrong(); // the box keeps what was typed
        return;
    }
    if (!CountingRules::moveOn(task_)) { // the row is complete: it counts as one answer
        reportRight();
        newTask();
        return;
    }
    markAnswerBox();
}

QLabel *CountingScreen::typedField() const {
    return answerBox();
}

ShownTask CountingScreen::shownTask() const {
    Label *box = answerBox();
    return TaskDescriptions::of(task_, box ? box->text() : QString());
}
