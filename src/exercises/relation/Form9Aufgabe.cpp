#include "Form9Aufgabe.h"

#include "Form9.h"
#include "Form9Rules.h"
#include "platform/Label.h"
#include "platform/NumberText.h"
#include "shell/Modul1.h"
#include "shell/Screens.h"

namespace MODUL1 {

void NeueNachbarAufgabe() {
    using namespace NachbarRegeln;
    Form9 &form = Screens::get<Form9>();

    NeueZahl();
    const int zahl = gezeigteZahl(int(Zahl), Zahlenraum);
    const Art art = zieheArt();
    const QString stelle = form.stelle();

    // The predecessor is always asked in the left box, the successor in the right one.
    Merker = art == Vorgaenger ? QStringLiteral("1") : QStringLiteral("2");
    Label *antwort = form.box(art == Vorgaenger ? 1 : 2);
    Label *gezeigt = form.box(art == Vorgaenger ? 2 : 1);
    Label *antwortTitelLabel = form.titel(art == Vorgaenger ? 1 : 2);
    Label *zahlTitelLabel = form.titel(art == Vorgaenger ? 2 : 1);

    antwort->setText(QString());
    gezeigt->setText(digitsOf(zahl));
    antwortTitelLabel->setText(antwortTitel(stelle, art));
    zahlTitelLabel->setText(zahlTitel());

    Zahl = erwarteterNachbar(zahl, stelle, art);
    ZahlText = digitsOf(qint64(Zahl));
}

} // namespace MODUL1
