#include "Form5.h"

#include "BlockCounts.h"
#include "BlockPicture.h"
#include "BlockRules.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPainter>
#include <QPushButton>

Form5::Form5(Session &session)
    : ExerciseScreen(QStringLiteral("Form5"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(7700), tw(4380));
    setBackground(QColor(255, 128, 128));

    endButton()->setGeometry(twRect(360, 3240, 1575, 495));
    okayButton()->setGeometry(twRect(5760, 3240, 1575, 495));

    antwort_ = new Label(QStringLiteral("Bezeichnung1"), this);
    antwort_->setGeometry(twRect(2160, 3120, 3375, 615));
    antwort_->setAlignment(Qt::AlignCenter);
    antwort_->setBordered(true);
    antwort_->setPointSize(18, true);
    setTypedField(antwort_);
    setNewTaskLabel(antwort_);

    auto *hint =
        new Label(QStringLiteral("Bezeichnung2"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(2160, 3780, 3375, 255));
    hint->setAlignment(Qt::AlignCenter);
}

void Form5::newTask() {
    MODUL1::NeueBilderAufgabe();
}

void Form5::PruefeBild() {
    if (antwort_->text() == pictureAnswer(qint64(MODUL1::Zahl))) {
        MODUL1::MeldeRichtig();
        MODUL1::NeueBilderAufgabe();
    } else {
        // The field is emptied first, so the child starts afresh behind the box.
        antwort_->clear();
        MODUL1::MeldeFehler();
    }
}

void Form5::paintEvent(QPaintEvent *event) {
    ExerciseScreen::paintEvent(event);
    // Painted from the counts every time, so the picture comes back after
    // the screen was covered.
    QPainter painter(this);
    BlockPicture::paint(painter, shownBlocks());
}

namespace MODUL1 {

void NeueBilderAufgabe() {
    Form5 &form = Screens::get<Form5>();
    NeueZahl();
    setShownBlocks(blocksOfNumber(qint64(Zahl)));
    form.update();
    form.antwortFeld()->clear();
}

} // namespace MODUL1
