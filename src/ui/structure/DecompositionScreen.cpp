#include "DecompositionScreen.h"

#include "ShapeControls.h"
#include "core/NumberText.h"
#include "core/structure/DecompositionRules.h"
#include "ui/KeyCodes.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace {

const QColor grey(192, 192, 192);

Label *rowLabel(const QString &name, QWidget *parent, const QString &caption, const QRect &twips,
                Qt::Alignment alignment) {
    auto *label = new Label(name, parent, caption);
    label->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setBackground(grey);
    label->setPointSize(18, true);
    return label;
}

} // namespace

DecompositionScreen::DecompositionScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form8"), Keys::Own, session) {
    setFixedSize(tw(10320), tw(2040));
    setBackground(Qt::white);

    new ShapeControl(QStringLiteral("Figur1"), this, ShapeControl::Kind::Rectangle,
                     QRect(120, 120, 9960, 840), grey, Qt::black);

    // The answer field takes most of the row: the longest sum (999999) has 26 characters.
    number_ = rowLabel(QStringLiteral("Bezeichnung1"), this, QString(), QRect(240, 240, 2040, 600),
                       Qt::AlignRight);
    rowLabel(QStringLiteral("Bezeichnung3"), this, QStringLiteral("="), QRect(2280, 240, 360, 600),
             Qt::AlignHCenter);
    answer_ = rowLabel(QStringLiteral("Bezeichnung2"), this, QString(), QRect(2640, 240, 7320, 600),
                       Qt::AlignLeft);
    setNewTaskLabel(number_);

    auto *hint =
        new Label(QStringLiteral("Bezeichnung4"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(6960, 1200, 3000, 285));
    hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    endButton()->setGeometry(twRect(240, 1200, 1095, 495));
    okayButton()->setGeometry(twRect(1455, 1200, 1095, 495));
}

void DecompositionScreen::newTask() {
    task_ = DecompositionRules::draw(session());
    number_->setText(NumberText::digits(task_.number));
    answer_->clear();
    taskShown();
}

bool DecompositionScreen::keyDown(int code) {
    if (code == KeyCode::Backspace) {
        QString text = answer_->text();
        text.chop(1); // a plus sign goes like a digit
        answer_->setText(text);
        return true;
    }
    if (code == KeyCode::Enter)
        checkAnswer();
    else if (isMainDigit(code))
        answer_->setText(answer_->text() + QChar(code));
    // Every key but Backspace may bring the next plus sign, also one that typed nothing.
    answer_->setText(DecompositionRules::withAutomaticPlus(answer_->text(), task_.expected));
    return code == KeyCode::Enter || isMainDigit(code);
}

void DecompositionScreen::checkAnswer() {
    if (DecompositionRules::isRight(task_, answer_->text())) {
        reportRight();
        newTask();
    } else {
        const QString given = answer_->text();
        answer_->clear();
        reportWrong(given);
    }
}

ShownTask DecompositionScreen::shownTask() const {
    return TaskDescriptions::of(task_, answer_->text());
}
