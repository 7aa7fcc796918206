#include "BoxAnswers.h"

#include "Child.h"
#include "Program.h"

#include "core/NumberText.h"
#include "core/Session.h"

namespace BoxAnswers {

namespace {

// The menu's way to the worksheets: the current range opens it, anything else not.
QString password(Child &child) {
    const int range = testApp().session().range();
    switch (child.pick(10)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
        return QStringLiteral("=") + QString::number(range);
    case 5:
        return QStringLiteral("=") + NumberText::withBlank(range) +
               QStringLiteral(" "); // blanks do not matter
    case 6:
        return QStringLiteral("=") + QString::number(range * 10);
    case 7:
        return QStringLiteral("=abc");
    default:
        return QStringLiteral("Abbrechen");
    }
}

QString yesNo(Child &child, double yes) {
    return child.chance(yes) ? QStringLiteral("Ja") : QStringLiteral("Nein");
}

} // namespace

QString answer(Child &child, const SeenBox &box) {
    if (box.input)
        return password(child);
    if (!box.buttons.contains(QStringLiteral("Ja")))
        return QString(); // an information box: its only button
    if (box.text.startsWith(QLatin1String("Dieses Programm jetzt beenden?")))
        return yesNo(child, 0.2); // the test's program only notes that it would end
    if (box.text.startsWith(QLatin1String("Das Textfeld jetzt ausdrucken?")))
        return QStringLiteral("Nein"); // a soak run prints nothing
    return yesNo(child, 0.5);
}

} // namespace BoxAnswers
