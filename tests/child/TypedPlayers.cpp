// The players of the screens where the answer is typed: each reads the right
// answer from the program's state or from the screen's own labels.
#include "ExerciseSteps.h"
#include "Players.h"

#include "core/NumberText.h"
#include "ui/ExerciseScreen.h"
#include "ui/Label.h"
#include "ui/numbers/WordsScreen.h"
#include "ui/quantities/PicturesScreen.h"
#include "ui/relations/CountingScreen.h"
#include "ui/relations/NeighboursScreen.h"
#include "ui/structure/DecompositionScreen.h"
#include "ui/structure/NumberFamilyScreen.h"
#include "ui/structure/NumberLineScreen.h"

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
    const BlockCounts &blocks = static_cast<PicturesScreen *>(screen)->task().blocks;
    const int shown =
        blocks.thousands * 1000 + blocks.hundreds * 100 + blocks.tens * 10 + blocks.ones;
    answerTyped(child, screen, labelOf(screen, "Bezeichnung1"), QString::number(shown));
}

void playNumberLine(Child &child, QWidget *screen) {
    auto *line = static_cast<NumberLineScreen *>(screen);
    answerTyped(child, screen, line->answerField(), line->task().expected,
                {{QStringLiteral("Befehl3"), QStringLiteral("Befehl4"), QStringLiteral("Befehl5"),
                  QStringLiteral("Befehl6"), QStringLiteral("Befehl7"), QStringLiteral("Befehl8"),
                  QStringLiteral("Befehl9")},
                 {},
                 true});
}

void playFamily(Child &child, QWidget *screen) {
    auto *family = static_cast<NumberFamilyScreen *>(screen);
    answerTyped(child, screen, family->answerField(), family->task().expected);
}

void playDecomposition(Child &child, QWidget *screen) {
    auto *decomposition = static_cast<DecompositionScreen *>(screen);
    // The plus signs come by themselves: only the digits are typed.
    answerTyped(child, screen, decomposition->answerField(),
                QString(decomposition->task().expected).remove(QLatin1Char('+')));
}

void playNeighbours(Child &child, QWidget *screen) {
    auto *form = static_cast<NeighboursScreen *>(screen);
    const QString right = form->task() ? NumberText::digits(form->task()->expected) : QString();
    answerTyped(child, screen, form->answerBox(), right,
                {{QStringLiteral("Befehl3"), QStringLiteral("Befehl4"), QStringLiteral("Befehl5"),
                  QStringLiteral("Befehl6")},
                 {},
                 true});
}

void playCounting(Child &child, QWidget *screen) {
    auto *form = static_cast<CountingScreen *>(screen);
    const Extras extras{{QStringLiteral("Befehl3"), QStringLiteral("Befehl4"),
                         QStringLiteral("Befehl5"), QStringLiteral("Befehl6"),
                         QStringLiteral("Befehl7"), QStringLiteral("Befehl8"),
                         QStringLiteral("Befehl9"), QStringLiteral("Befehl10"),
                         QStringLiteral("Befehl11"), QStringLiteral("Befehl12")},
                        {},
                        true};
    if (maybeFiddle(child, form, extras))
        return;
    QLabel *box = form->answerBox();
    if (!box)
        return;
    // Only the last box of the row brings a verdict when it is right.
    const bool up = form->stepLabel()->text().startsWith(QLatin1Char('+'));
    const bool last = box == form->box(up ? 5 : 1);
    const QString right = NumberText::digits(form->task().expected);
    const bool meantRight = child.answerRight();
    typeAnswer(child, form, box, meantRight ? right : wrongDigits(child, right),
               meantRight ? (last ? Expect::Right : Expect::NoVerdict) : Expect::Wrong);
}
