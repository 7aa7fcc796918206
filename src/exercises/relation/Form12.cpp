#include "Form12.h"

#include "Form12Aufgabe.h"
#include "Form12Rules.h"
#include "core/NumberText.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
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

struct StepButton {
    const char *name;
    const char *caption;
    const char *stepText; // null: a random step
    bool aufwaerts;
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

Form12::Form12(Session &session)
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
        box->setBackground(QColor(255, 0, 0));
        boxen_[i] = box;
        if (i < 4) { // the connector to the next box
            auto *linie = new QFrame(this);
            linie->setObjectName(QStringLiteral("Linie%1").arg(i + 1));
            linie->setFrameStyle(QFrame::HLine | QFrame::Plain);
            linie->setLineWidth(2);
            linie->setGeometry(twRect(left + boxWidth, boxTop + boxHeight / 2 - 60, boxGap, 120));
        }
    }

    auto addSteps = [this](const StepButton *buttons, int left) {
        for (int i = 0; i < 5; ++i) {
            const StepButton &b = buttons[i];
            QPushButton *knopf =
                addButton(QString::fromLatin1(b.name), QString::fromLatin1(b.caption),
                          twRect(left + i * smallPitch, rowTop, smallWidth, buttonHeight));
            const QString text = b.stepText ? QString::fromLatin1(b.stepText) : QString();
            const bool auf = b.aufwaerts;
            connect(knopf, &QPushButton::clicked, this, [this, text, auf] {
                setzeSchritt(text.isEmpty() ? ZaehlRegeln::zufallsSchrittText(auf) : text);
            });
        }
    };
    addSteps(downButtons, 480);
    endButton()->setGeometry(twRect(3420, rowTop, 960, buttonHeight));

    schritt_ = new Label(QStringLiteral("Bezeichnung6"), this, QStringLiteral("+ 1"));
    schritt_->setGeometry(twRect(4500, rowTop, 1200, buttonHeight));
    schritt_->setPointSize(14, true);
    schritt_->setAlignment(Qt::AlignCenter);
    schritt_->setBordered(true);
    schritt_->setBackground(Qt::white);
    schritt_->setCursor(Qt::PointingHandCursor);
    setNewTaskLabel(schritt_); // a click builds a new row with the same step

    okayButton()->setGeometry(twRect(5820, rowTop, 960, buttonHeight));
    addSteps(upButtons, 6900);
}

void Form12::newTask() {
    MODUL1::NeueZaehlAufgabe();
}

void Form12::setzeSchritt(const QString &text) {
    schritt_->setText(text);
    MODUL1::NeueZaehlAufgabe();
}

QLabel *Form12::typedField() const {
    return antwortBox();
}

Label *Form12::antwortBox() const {
    const QString &m = MODUL1::Merker;
    if (m.size() == 1 && m[0] >= QLatin1Char('1') && m[0] <= QLatin1Char('5'))
        return boxen_[m[0].unicode() - '1'];
    return nullptr;
}

void Form12::PruefeZaehlen() {
    Label *box = antwortBox();
    if (!box)
        return;
    if (box->text() != NumberText::digits(qint64(MODUL1::Zahl))) {
        MODUL1::MeldeFehler(); // the box keeps what was typed
        return;
    }
    const ZaehlRegeln::Schritt schritt = ZaehlRegeln::liesSchritt(schritt_->text());
    const int naechste = ZaehlRegeln::naechsteBox(schritt, MODUL1::Merker.toInt());
    if (naechste == 0) { // the row is complete: it counts as one answer
        MODUL1::MeldeRichtig();
        MODUL1::NeueZaehlAufgabe();
        MODUL1::MarkiereAntwortfeld();
        return;
    }
    MODUL1::Zahl += schritt.aufwaerts ? schritt.weite : -schritt.weite;
    MODUL1::Merker = QString::number(naechste);
    MODUL1::MarkiereAntwortfeld();
}
