#include "ComparisonScreen.h"

#include "core/NumberText.h"
#include "core/relations/ComparisonRules.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace {

const QColor numberBlue(160, 210, 255);
const QColor squareGrey(192, 192, 192);
const QColor bandYellow(255, 255, 160);

// The row: number, square, number, ... with each square between the two
// numbers it compares.
constexpr int rowLeft = 360;
constexpr int rowTop = 600;
constexpr int rowHeight = 600;
constexpr int numberWidth = 1320;
constexpr int squareWidth = 600;
constexpr int gap = 120;
constexpr int column = numberWidth + gap + squareWidth + gap;

constexpr int controlsTop = 1800;
constexpr int screenWidth = rowLeft + 4 * column + numberWidth + rowLeft;
constexpr int screenHeight = 3240;

Label *box(QWidget *parent, int number, const QColor &colour, qreal points, const QRect &geometry) {
    auto *label = new Label(QStringLiteral("Bezeichnung%1").arg(number), parent);
    label->setBackground(colour);
    label->setPointSize(points, true);
    label->setBordered(true);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

ComparisonScreen::ComparisonScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form10"), Keys::EnterOnly, session) {
    setFixedSize(tw(screenWidth), tw(screenHeight));
    buildRow();
    buildSigns();

    endButton()->setGeometry(twRect(rowLeft, controlsTop, 1200, 600));
    okayButton()->setGeometry(twRect(screenWidth - rowLeft - 1200, controlsTop, 1200, 600));

    auto *hint = new Label(QStringLiteral("Bezeichnung4"), this,
                           QStringLiteral("Die Zeichen mit der Maus verschieben ..."));
    hint->setAlignment(Qt::AlignCenter);
    hint->setGeometry(twRect(rowLeft, controlsTop + 840, screenWidth - 2 * rowLeft, 360));
}

void ComparisonScreen::buildRow() {
    auto *band = new QWidget(this);
    band->setObjectName(QStringLiteral("Figur1"));
    band->setGeometry(
        twRect(rowLeft - 120, rowTop - 120, screenWidth - 2 * rowLeft + 240, rowHeight + 240));
    band->setAutoFillBackground(true);
    QPalette p = band->palette();
    p.setColor(QPalette::Window, bandYellow);
    band->setPalette(p);

    for (int k = 0; k < numberCount; ++k)
        numbers_ << box(this, 5 + k, numberBlue, 14,
                        twRect(rowLeft + k * column, rowTop, numberWidth, rowHeight));
    for (int k = 0; k < squareCount; ++k) {
        Label *sq =
            box(this, 10 + k, squareGrey, 20,
                twRect(rowLeft + k * column + numberWidth + gap, rowTop, squareWidth, rowHeight));
        sq->setDropTarget(true);
        // Whatever sign arrives replaces the square's caption.
        connect(sq, &Label::dropped, sq, &Label::setText);
        squares_ << sq;
    }
}

void ComparisonScreen::buildSigns() {
    // ">", "=" and "<" stand side by side, centred under the row.
    const struct {
        int number;
        const char *sign;
    } signs[] = {{1, ">"}, {2, "="}, {3, "<"}};
    const int pitch = squareWidth + 240;
    const int left = (screenWidth - (3 * pitch - 240)) / 2;
    int x = left;
    for (const auto &s : signs) {
        Label *sign =
            box(this, s.number, squareGrey, 20, twRect(x, controlsTop, squareWidth, rowHeight));
        sign->setText(QString::fromLatin1(s.sign));
        sign->setDragSource(true);
        x += pitch;
    }
}

void ComparisonScreen::newTask() {
    for (Label *sq : squares_)
        sq->setText(QString());
    task_ = ComparisonRules::drawTask(session());
    for (int k = 0; k < numberCount; ++k)
        numbers_.at(k)->setText(NumberText::digits(task_.numbers.at(k)));
    taskShown();
}

void ComparisonScreen::checkAnswer() {
    QString answer;
    for (Label *sq : squares_)
        answer += sq->text();
    if (ComparisonRules::isRight(task_, answer)) {
        reportRight();
        newTask();
    } else {
        // The squares keep their signs so that single ones can be corrected.
        reportWrong();
    }
}

ShownTask ComparisonScreen::shownTask() const {
    QStringList signs;
    for (Label *square : squares_)
        signs << square->text();
    return TaskDescriptions::of(task_, signs);
}
