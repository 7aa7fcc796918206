#include "Form7.h"

#include "NumberFamily.h"
#include "ShapeControls.h"
#include "core/NumberText.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
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

Form7::Form7(Session &session)
    : ExerciseScreen(QStringLiteral("Form7"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(6240), tw(5040));
    setBackground(QColor(192, 192, 255));

    // The shapes come first so that the labels lie on top of them.
    new ShapeControl(QStringLiteral("Figur1"), this, ShapeControl::Kind::Oval,
                     QRect(240, 240, 4320, 4320), Qt::white, QColor(0, 0, 128));
    new ShapeControl(QStringLiteral("Figur2"), this, ShapeControl::Kind::Oval,
                     QRect(3480, 3720, 2040, 900), QColor(255, 255, 192), QColor(0, 0, 128));

    // Odd entries down the left column, even ones down the right, half a row lower.
    for (int i = 1; i <= 9; ++i) {
        const bool left = i % 2 == 1;
        const int row = (i - 1) / 2;
        const int y = firstRowY + row * rowDistance + (left ? 0 : rowDistance / 2);
        auto *label = new Label(QStringLiteral("Bezeichnung%1").arg(i), this);
        label->setGeometry(twRect(left ? leftColumnX : rightColumnX, y, memberWidth, memberHeight));
        label->setAlignment(Qt::AlignCenter);
        label->setPointSize(12, true);
        members_[i] = label;
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

void Form7::newTask() {
    MODUL1::NeueFamilienAufgabe();
}

void Form7::PruefeFamilie() {
    if (answer_->text() == MODUL1::ZahlText) {
        MODUL1::MeldeRichtig();
        MODUL1::NeueFamilienAufgabe();
    } else {
        MODUL1::MeldeFehler();
        answer_->clear();
    }
}

namespace MODUL1 {

void NeueFamilienAufgabe() {
    Zahlenfeld = numberFamily(session().range());
    Form7 &form = Screens::get<Form7>();
    for (int i = 1; i <= 9; ++i)
        form.member(i)->setText(NumberText::digits(Zahlenfeld[i]));
    form.answerField()->clear();
    ZahlText = NumberText::digits(Zahlenfeld[10]);
}

} // namespace MODUL1
