#include "NumberLineScreen.h"

#include "ShapeControls.h"
#include "core/NumberText.h"
#include "core/structure/NumberLineRules.h"
#include "ui/Dialogs.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace {

constexpr int lineY = 840;
constexpr int tickBottom = 960;
constexpr int firstTickX = 240;
constexpr int tickDistance = 720;
constexpr int middleTickX = firstTickX + 5 * tickDistance; // 3840
constexpr int answerTop = 1320;
constexpr int answerWidth = 1800;

// The step buttons: the four small steps under the left part of the line,
// the three large ones under the right part.
struct StepButton {
    const char *name;
    const char *caption;
    int step;
    int x;
};
constexpr StepButton stepButtons[] = {
    {"Befehl3", " 1", 1, 240},     {"Befehl4", " 2", 2, 900},    {"Befehl5", " 5", 5, 1560},
    {"Befehl6", "10", 10, 2220},   {"Befehl7", " 20", 20, 5040}, {"Befehl8", " 50", 50, 5700},
    {"Befehl9", "100", 100, 6360},
};
constexpr int stepButtonTop = 2520;

} // namespace

NumberLineScreen::NumberLineScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form6"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(7800), tw(3300));
    setBackground(QColor(128, 255, 128));
    buildLine();

    step_ = new Label(QStringLiteral("Bezeichnung5"), this, QString::number(task_.step));
    step_->setGeometry(twRect(3540, 195, 540, 255));
    step_->setAlignment(Qt::AlignCenter);
    step_->setBackground(QColor(0, 255, 0));

    left_ = new Label(QStringLiteral("Bezeichnung3"), this);
    left_->setGeometry(twRect(120, 180, 1455, 285));
    left_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    right_ = new Label(QStringLiteral("Bezeichnung4"), this);
    right_->setGeometry(twRect(7575 - 1455, 180, 1455, 285));
    right_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    answer_ = new Label(QStringLiteral("Bezeichnung1"), this);
    answer_->setGeometry(twRect(middleTickX - answerWidth / 2, answerTop, answerWidth, 600));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setBordered(true);
    answer_->setBackground(Qt::white);
    answer_->setPointSize(18, true);
    setTypedField(answer_);
    setNewTaskLabel(answer_);

    auto *hint =
        new Label(QStringLiteral("Bezeichnung2"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(middleTickX - 1200, answerTop + 660, 2400, 285));
    hint->setAlignment(Qt::AlignCenter);

    endButton()->setGeometry(
        twRect(middleTickX - answerWidth / 2 - 1215, answerTop + 60, 1095, 495));
    okayButton()->setGeometry(
        twRect(middleTickX + answerWidth / 2 + 120, answerTop + 60, 1095, 495));

    for (const StepButton &b : stepButtons) {
        QPushButton *button = addButton(QString::fromLatin1(b.name), QString::fromLatin1(b.caption),
                                        twRect(b.x, stepButtonTop, 615, 435));
        const int step = b.step;
        connect(button, &QPushButton::clicked, this, [this, step] { chooseStep(step); });
    }
}

void NumberLineScreen::buildLine() {
    new LineControl(QStringLiteral("Linie1"), this, 120, lineY, 7560, lineY);
    for (int k = 0; k <= 10; ++k) {
        const int x = firstTickX + k * tickDistance;
        int top = 720;
        int bottom = tickBottom;
        if (k == 0 || k == 10)
            top = 480;
        if (k == 5)
            bottom = answerTop; // the middle tick leads down to the answer field
        new LineControl(QStringLiteral("Linie%1").arg(k + 2), this, x, top, x, bottom);
    }
    // The arrow to the right, its shaft carrying the step label.
    new LineControl(QStringLiteral("Linie13"), this, 3240, 360, 4440, 360);
    new LineControl(QStringLiteral("Linie14"), this, 4440, 360, 4290, 240);
    new LineControl(QStringLiteral("Linie15"), this, 4440, 360, 4290, 480);
    new LineControl(QStringLiteral("Linie16"), this, 4290, 240, 4290, 480);
}

void NumberLineScreen::chooseStep(int step) {
    step_->setText(QString::number(step));
    okayButton()->setFocus();
    showNewLine(step);
}

void NumberLineScreen::newTask() {
    showNewLine(task_.step);
}

void NumberLineScreen::showNewLine(int step) {
    const NumberLineTask next = NumberLineRules::draw(session(), step);
    if (next.step != step) {
        // The box comes while the refused step is still on the arrow.
        msgBox(QStringLiteral("Zahlabstand ist zu groß!\r"), MsgIcon::None, MsgButtons::Ok,
               QStringLiteral("Zahlenstrahl"));
        step_->setText(QString::number(next.step));
    }
    task_ = next;
    left_->setText(NumberText::digits(task_.leftEnd));
    right_->setText(NumberText::digits(task_.rightEnd));
    taskShown();
}

void NumberLineScreen::checkAnswer() {
    if (NumberLineRules::isRight(task_, answer_->text())) {
        reportRight();
        answer_->clear();
        newTask();
    } else {
        reportWrong();
        answer_->clear();
    }
}

ShownTask NumberLineScreen::shownTask() const {
    return TaskDescriptions::of(task_, answer_->text());
}
