#include "Modul1.h"

#include "Form1.h"
#include "Screens.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "platform/Random.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace MODUL1 {

int Zahlenraum = 20;
double Zahl = 0;
QString ZahlText;
int Punkte = 0;
QString Merker;
std::array<int, 11> Zahlenfeld{};

void NeueZahl() {
    switch (Zahlenraum) {
    case 20:
    case 100:
    case 1000:
    case 10000:
    case 100000:
    case 1000000:
        Zahl = std::floor(Random::fraction() * Zahlenraum) + 1;
        break;
    default:
        break; // an unknown range keeps the old number
    }
    ZahlText = digitsOf(qint64(Zahl));
}

void MeldeFehler() {
    msgBox(QStringLiteral("Fehler, bitte nochmals!\r"), MsgIcon::Critical, MsgButtons::Ok,
           QStringLiteral("Zahleingabe"));
}

void LiesPunkte() {
    Punkte = intVal(Screens::get<Form1>().counterLabel()->text());
}

void SchreibePunkte() {
    Screens::get<Form1>().counterLabel()->setText(Str(Punkte));
}

void MeldeRichtig() {
    LiesPunkte();
    Punkte += 1;
    SchreibePunkte();
    msgBox(QStringLiteral("Richtig, bitte weiter!\r"), MsgIcon::Information, MsgButtons::Ok,
           QStringLiteral("Zahleingabe") + Str(Punkte) + QStringLiteral("/20"));
    PruefeBelohnung();
}

void PruefeBelohnung() {
    LiesPunkte();
    if (Punkte >= 20) {
        Screens::get<Form1>().rewardButton()->setEnabled(true);
        msgBox(QStringLiteral("Du kriegst eine Spielrunde!\rHole sie im Hauptmenü ab!\r"),
               MsgIcon::None, MsgButtons::Ok, QStringLiteral("Belohnung"));
    }
}

} // namespace MODUL1
