#include "Form4.h"

#include "BlockCounts.h"
#include "BlockPicture.h"
#include "BlockRules.h"
#include "core/NumberText.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {
constexpr int barWidth = 1575;
constexpr int titleTop = 3060;
constexpr int barTop = 3360;
constexpr int rowHeight = 255;
} // namespace

Form4::Form4(Session &session) : ExerciseScreen(QStringLiteral("Form4"), Keys::EnterOnly, session) {
    setFixedSize(tw(7700), tw(5040));
    setBackground(QColor(255, 255, 128));

    tausender_ = addBar(QStringLiteral("HBildlauf4"), QStringLiteral("Bezeichnung5"),
                        QStringLiteral("Tausender"), 360, 10);
    hunderter_ = addBar(QStringLiteral("HBildlauf1"), QStringLiteral("Bezeichnung2"),
                        QStringLiteral("Hunderter"), 2160, 9);
    zehner_ = addBar(QStringLiteral("HBildlauf2"), QStringLiteral("Bezeichnung3"),
                     QStringLiteral("Zehner"), 3960, 9);
    einer_ = addBar(QStringLiteral("HBildlauf3"), QStringLiteral("Bezeichnung4"),
                    QStringLiteral("Einer"), 5760, 9);

    // valueChanged also follows the thumb while it is dragged, so the rows are live.
    connect(tausender_, &QScrollBar::valueChanged, this, &Form4::ZeichneTausender);
    connect(hunderter_, &QScrollBar::valueChanged, this, &Form4::ZeichneHunderter);
    connect(zehner_, &QScrollBar::valueChanged, this, &Form4::ZeichneZehner);
    connect(einer_, &QScrollBar::valueChanged, this, &Form4::ZeichneEiner);

    endButton()->setGeometry(twRect(360, 3960, barWidth, 495));
    okayButton()->setGeometry(twRect(5760, 3960, barWidth, 495));

    zahl_ = new Label(QStringLiteral("Bezeichnung1"), this);
    zahl_->setGeometry(twRect(2160, 3840, 3375, 615));
    zahl_->setAlignment(Qt::AlignCenter);
    zahl_->setBordered(true);
    zahl_->setPointSize(18, true);
    setNewTaskLabel(zahl_);

    auto *hint =
        new Label(QStringLiteral("Bezeichnung6"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(2160, 4500, 3375, rowHeight));
    hint->setAlignment(Qt::AlignCenter);
}

QScrollBar *Form4::addBar(const QString &name, const QString &titleName, const QString &title,
                          int left, int maximum) {
    auto *caption = new Label(titleName, this, title);
    caption->setGeometry(twRect(left, titleTop, barWidth, rowHeight));

    auto *bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(name);
    bar->setGeometry(twRect(left, barTop, barWidth, rowHeight));
    bar->setRange(0, maximum);
    // One block per arrow click and per click into the trough.
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // A clicked bar takes the focus, so the arrow keys move it: Right adds a
    // block, Left takes one away (a plain QScrollBar has these turned round).
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    return bar;
}

void Form4::newTask() {
    MODUL1::NeueMengenAufgabe();
}

void Form4::ZeichneTausender() {
    MODUL1::AnzahlTausender = tausender_->value();
    update();
}

void Form4::ZeichneHunderter() {
    MODUL1::AnzahlHunderter = hunderter_->value();
    update();
}

void Form4::ZeichneZehner() {
    MODUL1::AnzahlZehner = zehner_->value();
    update();
}

void Form4::ZeichneEiner() {
    MODUL1::AnzahlEiner = einer_->value();
    update();
}

void Form4::setzeBalkenZurueck() {
    for (QScrollBar *bar : {hunderter_, zehner_, einer_, tausender_})
        bar->setValue(0);
}

void Form4::PruefeMenge() {
    if (blockSumText(shownBlocks()) == MODUL1::ZahlText) {
        MODUL1::MeldeRichtig();
        MODUL1::NeueMengenAufgabe();
    } else {
        // The bars and blocks stay, so the child corrects the same task.
        MODUL1::MeldeFehler();
    }
}

void Form4::paintEvent(QPaintEvent *event) {
    ExerciseScreen::paintEvent(event);
    // Painted from the counts every time, so the rows come back after the
    // screen was covered.
    QPainter painter(this);
    BlockPicture::paint(painter, shownBlocks());
}

namespace MODUL1 {

void NeueMengenAufgabe() {
    Form4 &form = Screens::get<Form4>();
    NeueZahl();
    form.zahlFeld()->setText(NumberText::digits(qint64(Zahl)));
    form.setzeBalkenZurueck();
    // The pictures screen writes the same counts, so clear them all, also
    // where a bar was at 0 already.
    setShownBlocks(BlockCounts{});
    form.update();
}

} // namespace MODUL1
