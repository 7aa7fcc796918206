// The players of the screens answered on scroll bars: the digits sliders and
// the block bars. Each bar is moved gesture by gesture to its value.
#include "ExerciseSteps.h"
#include "Gestures.h"
#include "Players.h"

#include "core/NumberText.h"
#include "ui/ExerciseScreen.h"
#include "ui/numbers/DigitsScreen.h"

#include <QLabel>
#include <QScrollBar>

#include <utility>

using namespace ExerciseSteps;

namespace {

using Setting = QList<std::pair<QScrollBar *, int>>; // bar and the value it must show

QScrollBar *bar(QWidget *screen, int number) {
    return screen->findChild<QScrollBar *>(QStringLiteral("HBildlauf%1").arg(number));
}

// Moves the bars in a random order, then checks.
void setBars(Child &child, ExerciseScreen *screen, Setting setting, Expect expect) {
    for (qsizetype i = setting.size() - 1; i > 0; --i)
        setting.swapItemsAt(i, child.pick(int(i + 1)));
    for (const auto &[b, value] : setting) {
        QScrollBar *target = b;
        const int v = value;
        child.add(QStringLiteral("%1 to %2").arg(target->objectName()).arg(v),
                  [&child, target, v] { return Gesture::sliderToward(child, target, v); });
    }
    submit(child, screen, expect);
}

// A bar moved by one to either side within its range.
void spoil(Child &child, Setting &setting, int index) {
    auto &[b, value] = setting[index];
    value = value == b->maximum()   ? value - 1
            : value == b->minimum() ? value + 1
            : child.chance(0.5)     ? value + 1
                                    : value - 1;
}

} // namespace

void playDigits(Child &child, QWidget *screen) {
    auto *form = static_cast<DigitsScreen *>(screen);
    if (maybeFiddle(child, form, {}))
        return;
    // The number to build; HBildlauf1 holds its units.
    const QString shown = form->task().expected;
    if (shown.isEmpty() || shown.size() > 6)
        return;
    Setting setting;
    for (int number = 1; number <= 6; ++number) {
        const qsizetype at = shown.size() - number;
        setting << std::make_pair(bar(screen, number), at >= 0 ? shown.at(at).digitValue() : 0);
    }
    const bool right = child.answerRight();
    if (!right) // a place the number has, so that the change counts
        spoil(child, setting, child.pick(int(shown.size())));
    else if (child.chance(0.3) && shown.size() < 6) // places left of the number do not count
        setting[5].second = child.pick(10);
    setBars(child, form, setting, verdict(right));
}

void playQuantities(Child &child, QWidget *screen) {
    auto *form = static_cast<ExerciseScreen *>(screen);
    if (maybeFiddle(child, form, {}))
        return;
    const int n = NumberText::wholeNumber(
        screen->findChild<QLabel *>(QStringLiteral("Bezeichnung1"))->text());
    if (n <= 0)
        return;
    // HBildlauf4 thousands (up to ten), 1 hundreds, 2 tens, 3 ones.
    Setting setting{{bar(screen, 4), n / 1000},
                    {bar(screen, 1), n / 100 % 10},
                    {bar(screen, 2), n / 10 % 10},
                    {bar(screen, 3), n % 10}};
    const bool right = child.answerRight();
    if (!right)
        spoil(child, setting, 3); // the ones alone always change the sum
    setBars(child, form, setting, verdict(right));
}
