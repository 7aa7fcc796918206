#include "Form9.h"

#include "Form9Aufgabe.h"
#include "Form9Rules.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPushButton>

namespace {

Label *kasten(QWidget *parent, const char *name, const QRect &geometry) {
    auto *label = new Label(QString::fromLatin1(name), parent);
    label->setGeometry(geometry);
    label->setBackground(Qt::white);
    label->setBordered(true);
    label->setPointSize(22, true);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

Label *ueberschrift(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    auto *label = new Label(QString::fromLatin1(name), parent, text);
    label->setGeometry(geometry);
    label->setPointSize(11, true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Twelve coloured beads along the top and the bottom edge: decoration only.
void perlen(QWidget *parent) {
    static const QColor farben[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 192, 0),
                                    QColor(0, 0, 255)};
    for (int i = 0; i < 12; ++i) {
        auto *perle = new QFrame(parent);
        perle->setObjectName(QStringLiteral("Figur%1").arg(i + 1));
        const int reihe = i / 6;
        perle->setGeometry(twRect(720 + (i % 6) * 1080, reihe == 0 ? 120 : 3480, 240, 240));
        perle->setAutoFillBackground(true);
        QPalette p = perle->palette();
        p.setColor(QPalette::Window, farben[i % 4]);
        perle->setPalette(p);
        perle->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
}

} // namespace

Form9::Form9(Session &session)
    : ExerciseScreen(QStringLiteral("Form9"), Keys::EnterAndDigits, session) {
    setFixedSize(tw(7200), tw(3840));
    setBackground(QColor(255, 255, 192));
    perlen(this);

    linksTitel_ = ueberschrift(this, "Bezeichnung3", QStringLiteral("Vorgänger"),
                               twRect(480, 540, 2400, 360));
    rechtsTitel_ = ueberschrift(this, "Bezeichnung4", QStringLiteral("Nachfolger"),
                                twRect(4320, 540, 2400, 360));
    links_ = kasten(this, "Bezeichnung1", twRect(480, 960, 2400, 1080));
    rechts_ = kasten(this, "Bezeichnung2", twRect(4320, 960, 2400, 1080));

    stelle_ = new Label(QStringLiteral("Bezeichnung5"), this, QStringLiteral("E"));
    stelle_->setGeometry(twRect(3000, 960, 600, 1080));
    stelle_->setPointSize(24, true);
    stelle_->setAlignment(Qt::AlignCenter);

    // The place buttons, small and stacked E, Z, H, T beside the place letter.
    static const char *const stellen[] = {"E", "Z", "H", "T"};
    for (int i = 0; i < 4; ++i) {
        const QString stelle = QString::fromLatin1(stellen[i]);
        QPushButton *knopf = addButton(QStringLiteral("Befehl%1").arg(i + 3), stelle,
                                       twRect(3660, 960 + i * 270, 480, 270));
        connect(knopf, &QPushButton::clicked, this, [this, stelle] { waehleStelle(stelle); });
    }

    endButton()->setGeometry(twRect(960, 2580, 1440, 495));
    okayButton()->setGeometry(twRect(4800, 2580, 1440, 495));

    // A click on either box skips to a new task with the same place.
    setNewTaskLabel(links_);
    setNewTaskLabel(rechts_);
}

void Form9::newTask() {
    MODUL1::NeueNachbarAufgabe();
}

QString Form9::stelle() const {
    return stelle_->text();
}

void Form9::waehleStelle(const QString &stelle) {
    // A place the range is too small for is refused without a word.
    if (!NachbarRegeln::stelleErlaubt(stelle, MODUL1::session().range()))
        return;
    stelle_->setText(stelle);
    MODUL1::NeueNachbarAufgabe();
    okayButton()->setFocus();
}

QLabel *Form9::typedField() const {
    return antwortBox();
}

Label *Form9::antwortBox() const {
    if (MODUL1::Merker == QLatin1String("1"))
        return links_;
    if (MODUL1::Merker == QLatin1String("2"))
        return rechts_;
    return nullptr;
}

void Form9::PruefeNachbar() {
    Label *box = antwortBox();
    if (!box)
        return;
    if (box->text() == MODUL1::ZahlText) {
        MODUL1::MeldeRichtig();
        MODUL1::NeueNachbarAufgabe();
    } else {
        MODUL1::MeldeFehler();
        box->setText(QString());
    }
}
