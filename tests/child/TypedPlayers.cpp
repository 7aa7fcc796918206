// The players of the screens where the answer is typed: each reads the right
// answer from the program's state or from the screen's own labels.
#include "ExerciseSteps.h"
#include "Players.h"

#include "core/NumberText.h"
#include "exercises/quantity/BlockCounts.h"
#include "exercises/relation/Form12.h"
#include "exercises/relation/Form9.h"
#include "legacy/Modul1.h"
#include "ui/ExerciseScreen.h"
#include "ui/Label.h"
#include "ui/numbers/WordsScreen.h"

#include <QLabel>

using namespace ExerciseSteps;

namespace {

QLabel *labelOf(QWidget *screen, const char *name) {
    return screen->findChild<QLabel *>(QString::fromLatin1(name));
}

// Types the right digits or wrong ones into the field, then checks.
void answerTyped(Child &child, QWidget *screen, QLabel *field, const QString &right,
                 const Extras &extras = {}) {
    auto *exercise = static_cast<ExerciseScreen *>(screen);
    if (maybeFiddle(child, exercise, extras) || !field)
        return;
    const bool meantRight = child.answerRight();
    typeAnswer(child, exercise, field, meantRight ? right : wrongDigits(child, right),
               verdict(meantRight));
}

} // namespace

void playWords(Child &child, QWidget *screen) {
    answerTyped(child, screen, labelOf(screen, "Bezeichnung2"),
                static_cast<WordsScreen *>(screen)->task().expected);
}

void playPictures(Child &child, QWidget *screen) {
    // The number the drawn blocks make.
    const int shown = MODUL1::AnzahlTausender * 1000 + MODUL1::AnzahlHunderter * 100 +
                      MODUL1::AnzahlZehner * 10 + MODUL1::AnzahlEiner;
    answerTyped(child, screen, labelOf(screen, "Bezeichnung1"), QString::number(shown));
}

void playNumberLine(Child &child, QWidget *screen) {
    // The middle tick lies halfway between the two ends.
    const qint64 left = NumberText::wholeNumber(labelOf(screen, "Bezeichnung3")->text());
    const qint64 right = NumberText::wholeNumber(labelOf(screen, "Bezeichnung4")->text());
    answerTyped(child, screen, labelOf(screen, "Bezeichnung1"), QString::number((left + right) / 2),
                {{QStringLiteral("Befehl3"), QStringLiteral("Befehl4"), QStringLiteral("Befehl5"),
                  QStringLiteral("Befehl6"), QStringLiteral("Befehl7"), QStringLiteral("Befehl8"),
                  QStringLiteral("Befehl9")},
                 {},
                 true});
}

void playFamily(Child &child, QWidget *screen) {
    answerTyped(child, screen, labelOf(screen, "Bezeichnung10"),
                QString::number(MODUL1::Zahlenfeld[10]));
}

void playDecomposition(Child &child, QWidget *screen) {
    // The plus signs come by themselves: only the digits are typed.
    answerTyped(child, screen, labelOf(screen, "Bezeichnung2"),
                QString(MODUL1::ZahlText).remove(QLatin1Char('+')));
}

void playNeighbours(Child &child, QWidget *screen) {
    auto *form = static_cast<Form9 *>(screen);
    QLabel *box = MODUL1::Merker == QLatin1String("1")   ? form->box(1)
                  : MODUL1::Merker == QLatin1String("2") ? form->box(2)
                                                         : nullptr;
    answerTyped(child, screen, box, MODUL1::ZahlText,
                {{QStringLiteral("Befehl3"), QStringLiteral("Befehl4"), QStringLiteral("Befehl5"),
                  QStringLiteral("Befehl6")},
                 {},
                 true});
}

void playCounting(Child &child, QWidget *screen) {
    auto *form = static_cast<Form12 *>(screen);
    const Extras extras{{QStringLiteral("Befehl3"), QStringLiteral("Befehl4"),
                         QStringLiteral("Befehl5"), QStringLiteral("Befehl6"),
                         QStringLiteral("Befehl7"), QStringLiteral("Befehl8"),
                         QStringLiteral("Befehl9"), QStringLiteral("Befehl10"),
                         QStringLiteral("Befehl11"), QStringLiteral("Befehl12")},
                        {},
                        true};
    if (maybeFiddle(child, form, extras))
        return;
    QLabel *box = form->antwortBox();
    if (!box)
        return;
    // Only the last box of the row brings a verdict when it is right.
    const bool up = form->schrittLabel()->text().startsWith(QLatin1Char('+'));
    const bool last = box == form->box(up ? 5 : 1);
    const QString right = NumberText::digits(qint64(MODUL1::Zahl));
    const bool meantRight = child.answerRight();
    typeAnswer(child, form, box, meantRight ? right : wrongDigits(child, right),
               meantRight ? (last ? Expect::Right : Expect::NoVerdict) : Expect::Wrong);
}
