#include "DigitsScreen.h"

#include "core/numbers/DigitsRules.h"
#include "ui/Label.h"
#include "ui/Twips.h"
#include "ui/speech/ReadAloudButton.h"

#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int screenWidth = 10800;
constexpr int columnWidth = 1620;
constexpr int firstColumn = (screenWidth - 6 * columnWidth) / 2;

// Place names over the sliders, left to right; HBildlauf6 stands leftmost.
const char *const placeNames[] = {"Hunderttausender", "Zehntausender", "Tausender",
                                  "Hunderter",        "Zehner",        "Einer"};

} // namespace

DigitsScreen::DigitsScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form3"), Keys::EnterOnly, session) {
    setFixedSize(tw(screenWidth), tw(4200));

    wordLabel_ = new Label(QStringLiteral("Bezeichnung2"), this);
    wordLabel_->setGeometry(twRect(120, 240, screenWidth - 240, 600));
    wordLabel_->setAlignment(Qt::AlignCenter);
    wordLabel_->setPointSize(13, true);

    for (int column = 0; column < 6; ++column) {
        const int number = 6 - column; // HBildlauf6 .. HBildlauf1
        const int left = firstColumn + column * columnWidth;
        auto *name = new Label(QStringLiteral("Bezeichnung%1").arg(number + 2), this,
                               QString::fromLatin1(placeNames[column]));
        name->setGeometry(twRect(left, 1080, columnWidth, 300));
        name->setAlignment(Qt::AlignCenter);

        auto *bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QStringLiteral("HBildlauf%1").arg(number));
        bar->setGeometry(twRect(left + 90, 1440, columnWidth - 180, 300));
        bar->setRange(0, 9);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        // valueChanged also follows the thumb while it is dragged, so the word is live.
        connect(bar, &QScrollBar::valueChanged, this, [this, number] { sliderChanged(number); });
        sliders_[number - 1] = bar;
    }

    endButton()->setGeometry(twRect(480, 2520, 1455, 615));
    taskLabel_ = new Label(QStringLiteral("Bezeichnung1"), this);
    taskLabel_->setGeometry(twRect(2160, 2400, screenWidth - 2 * 2160, 855));
    taskLabel_->setAlignment(Qt::AlignCenter);
    taskLabel_->setPointSize(24, true);
    okayButton()->setGeometry(twRect(screenWidth - 480 - 1455, 2520, 1455, 615));

    auto *hint =
        new Label(QStringLiteral("Bezeichnung9"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(2160, 3480, screenWidth - 2 * 2160, 360));
    hint->setAlignment(Qt::AlignCenter);

    setNewTaskLabel(taskLabel_);

    // Below OKAY, clear of the hint: the word the sliders form, read aloud.
    auto *readAloud = new ReadAloudButton(this);
    readAloud->setGeometry(twRect(screenWidth - 480 - 1455, 3300, 1455, 615));
    readAloud->setWordLabel(wordLabel_);
}

void DigitsScreen::sliderChanged(int number) {
    DigitsRules::setSlider(task_, number, slider(number)->value());
    wordLabel_->setFittedText(DigitsRules::word(task_));
}

void DigitsScreen::checkAnswer() {
    std::array<int, 6> values{};
    for (int column = 0; column < 6; ++column)
        values[column] = slider(6 - column)->value();
    if (!DigitsRules::isRight(task_, DigitsRules::sliderDigits(values))) {
        reportWrong();
        return;
    }
    reportRight();
    newTask();
}

void DigitsScreen::newTask() {
    // Fresh places before the sliders go back: each slider that moves on its
    // way to 0 shows the word of the places so far.
    task_ = DigitsRules::draw(session());
    taskLabel_->setText(task_.expected);
    wordLabel_->setText(QString());
    for (int number = 1; number <= 6; ++number)
        slider(number)->setValue(0);
    taskShown();
}

ShownTask DigitsScreen::shownTask() const {
    std::array<int, 6> values{};
    for (int column = 0; column < 6; ++column)
        values[column] = slider(6 - column)->value();
    return TaskDescriptions::of(task_, DigitsRules::sliderDigits(values));
}
