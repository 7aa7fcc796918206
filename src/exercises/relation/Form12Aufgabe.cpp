#include "Form12Aufgabe.h"

#include "Form12.h"
#include "Form12Rules.h"
#include "core/NumberText.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Dialogs.h"
#include "ui/Label.h"

#include <QPushButton>

namespace MODUL1 {

void NeueZaehlAufgabe() {
    using namespace ZaehlRegeln;
    Form12 &form = Screens::get<Form12>();
    form.okayButton()->setFocus();
    for (int i = 1; i <= 5; ++i)
        form.box(i)->setText(QString());

    Schritt schritt = liesSchritt(form.schrittLabel()->text());
    // Five numbers of the row must fit into the range; otherwise no start exists.
    if (!schrittPasst(schritt, session().range())) {
        msgBox(QStringLiteral("Auswahl passt nicht\rzu dem Zahlenraum!\r"), MsgIcon::None,
               MsgButtons::Ok, QStringLiteral("Zahlenkonflikt"));
        form.schrittLabel()->setText(ersatzSchrittText());
        schritt = liesSchritt(ersatzSchrittText());
    }

    const int start = zieheStart(schritt, session().range());
    form.box(startBox(schritt))->setText(NumberText::digits(start));
    Zahl = schritt.aufwaerts ? start + schritt.weite : start - schritt.weite;
    Merker = QString::number(ersteAntwortBox(schritt));
    MarkiereAntwortfeld();
}

void MarkiereAntwortfeld() {
    Form12 &form = Screens::get<Form12>();
    for (int i = 1; i <= 5; ++i)
        form.box(i)->setBackground(QColor(255, 0, 0));
    if (Label *aktuell = form.antwortBox())
        aktuell->setBackground(QColor(0, 255, 0));
}

} // namespace MODUL1
