#include "Form2.h"

#include "NumberWords.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace {
constexpr int screenWidth = 10800;
constexpr int fieldLeft = 2160;
constexpr int fieldWidth = screenWidth - 2 * fieldLeft;
} // namespace

Form2::Form2(Session &session)
    : ExerciseScreen(QStringLiteral("Form2"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(screenWidth), tw(3480));

    word_ = new Label(QStringLiteral("Bezeichnung1"), this);
    word_->setGeometry(twRect(120, 240, screenWidth - 240, 600));
    word_->setAlignment(Qt::AlignCenter);
    word_->setPointSize(13, true);

    auto *instruction = new Label(QStringLiteral("Bezeichnung4"), this,
                                  QStringLiteral("Tippe die Zahl in Ziffern:"));
    instruction->setGeometry(twRect(0, 1080, screenWidth, 360));
    instruction->setAlignment(Qt::AlignCenter);
    instruction->setForeground(QColor(0, 128, 0));
    instruction->setPointSize(11);

    endButton()->setGeometry(twRect(480, 1800, 1455, 615));
    answer_ = new Label(QStringLiteral("Bezeichnung2"), this);
    answer_->setGeometry(twRect(fieldLeft, 1680, fieldWidth, 855));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setPointSize(24, true);
    answer_->setBackground(Qt::white);
    answer_->setBordered(true);
    okayButton()->setGeometry(twRect(screenWidth - 480 - 1455, 1800, 1455, 615));

    auto *hint =
        new Label(QStringLiteral("Bezeichnung3"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(fieldLeft, 2760, fieldWidth, 360));
    hint->setAlignment(Qt::AlignCenter);

    setTypedField(answer_);
    setNewTaskLabel(answer_);
}

void Form2::PruefeWoerter() {
    // Compared as text: a leading zero makes the answer wrong.
    if (MODUL1::ZahlText != answer_->text()) {
        MODUL1::MeldeFehler();
        answer_->clear();
        return;
    }
    MODUL1::MeldeRichtig();
    answer_->clear();
    MODUL1::NeueWoerterAufgabe();
}

void MODUL1::NeueWoerterAufgabe() {
    NeueZahl();
    Merker = sevenPlaces(ZahlText);
    BildeZahlWort();
    Screens::get<Form2>().wordLabel()->setText(ZahlWort);
}
