#include "Form9Aufgabe.h"

#include "Form9.h"
#include "Form9Rules.h"
#include "core/NumberText.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"

namespace MODUL1 {

void NeueNachbarAufgabe() {
    using namespace NachbarRegeln;
    Form9 &form = Screens::get<Form9>();

    NeueZahl();
    const int zahl = gezeigteZahl(int(Zahl), session().range());
    const Art art = zieheArt();
    const QString stelle = form.stelle();

    // The predecessor is always asked in the left box, the successor in the right one.
    Merker = art == Vorgaenger ? QStringLiteral("1") : QStringLiteral("2");
    Label *antwort = form.box(art == Vorgaenger ? 1 : 2);
    Label *gezeigt = form.box(art == Vorgaenger ? 2 : 1);
    Label *antwortTitelLabel = form.titel(art == Vorgaenger ? 1 : 2);
    Label *zahlTitelLabel = form.titel(art == Vorgaenger ? 2 : 1);

    antwort->setText(QString());
    gezeigt->setText(NumberText::digits(zahl));
    antwortTitelLabel->setText(antwortTitel(stelle, art));
    zahlTitelLabel->setText(zahlTitel());

    Zahl = erwarteterNachbar(zahl, stelle, art);
    ZahlText = NumberText::digits(qint64(Zahl));
}

} // namespace MODUL1
