// The players of the screens answered by dragging: comparison signs into the
// squares, the numbers into the ordering boxes.
#include "ExerciseSteps.h"
#include "Gestures.h"
#include "Players.h"

#include "core/NumberText.h"
#include "ui/Label.h"
#include "ui/relations/ComparisonScreen.h"
#include "ui/relations/OrderingScreen.h"

#include <algorithm>

using namespace ExerciseSteps;

namespace {

// Drops the captions onto the targets one by one, then checks by OKAY (and
// by Enter where the screen takes it).
void dropAll(Child &child, ExerciseScreen *screen, const QList<Label *> &targets,
             const QStringList &captions, Expect expect, bool enterChecks) {
    for (qsizetype k = 0; k < targets.size(); ++k) {
        Label *target = targets.at(k);
        const QString caption = captions.at(k);
        child.add(QStringLiteral("drop '%1' on %2").arg(caption, target->objectName()),
                  [&child, screen, target, caption] {
                      if (!Gesture::dropCaption(screen, target, caption))
                          child.stats().fault(QStringLiteral("%1 refused the drop of '%2'")
                                                  .arg(target->objectName(), caption));
                      return true;
                  });
    }
    submit(child, screen, expect, enterChecks);
}

// A drag the screen must refuse: from another program, or let go where no box is.
bool maybeStrayDrop(Child &child, ExerciseScreen *screen, Label *target, const QString &caption) {
    if (!child.chance(0.05))
        return false;
    child.once(QStringLiteral("foreign drop on ") + target->objectName(), [&child, screen, target,
                                                                           caption] {
        if (Gesture::dropForeign(screen, target, caption))
            child.stats().fault(target->objectName() + QStringLiteral(" took a foreign drop"));
    });
    return true;
}

} // namespace

void playComparison(Child &child, QWidget *screen) {
    auto *form = static_cast<ComparisonScreen *>(screen);
    const Extras extras{{},
                        {QStringLiteral("Bezeichnung1"), QStringLiteral("Bezeichnung2"),
                         QStringLiteral("Bezeichnung3")},
                        true};
    if (maybeFiddle(child, form, extras) ||
        maybeStrayDrop(child, form, form->square(1 + child.pick(4)), QStringLiteral("<")))
        return;
    // The signs the shown numbers call for.
    QList<Label *> squares;
    QStringList signs;
    for (int k = 1; k <= ComparisonScreen::squareCount; ++k) {
        const int left = NumberText::wholeNumber(form->numberLabel(k)->text());
        const int right = NumberText::wholeNumber(form->numberLabel(k + 1)->text());
        squares << form->square(k);
        signs << (left < right   ? QStringLiteral("<")
                  : left > right ? QStringLiteral(">")
                                 : QStringLiteral("="));
    }
    const bool meantRight = child.answerRight();
    if (!meantRight) {
        static const QStringList all = {QStringLiteral("<"), QStringLiteral("="),
                                        QStringLiteral(">")};
        const int k = child.pick(ComparisonScreen::squareCount);
        QString other;
        do
            other = all.at(child.pick(3));
        while (other == signs.at(k));
        signs[k] = other;
    }
    dropAll(child, form, squares, signs, verdict(meantRight), true);
}

void playOrdering(Child &child, QWidget *screen) {
    auto *form = static_cast<OrderingScreen *>(screen);
    QStringList notClickable; // the numbers start a drag when pressed
    for (int k = 1; k <= OrderingScreen::columnCount; ++k)
        notClickable << form->numberLabel(k)->objectName();
    if (maybeFiddle(child, form, {{}, notClickable, false}) ||
        maybeStrayDrop(child, form, form->answerBox(1 + child.pick(5)), QStringLiteral("7")))
        return;
    QStringList captions;
    QList<Label *> boxes;
    for (int k = 1; k <= OrderingScreen::columnCount; ++k) {
        captions << form->numberLabel(k)->text();
        boxes << form->answerBox(k);
    }
    std::stable_sort(captions.begin(), captions.end(), [](const QString &a, const QString &b) {
        return NumberText::wholeNumber(a) < NumberText::wholeNumber(b);
    });
    bool meantRight = true;
    if (NumberText::wholeNumber(captions.first()) != NumberText::wholeNumber(captions.last())) {
        meantRight = child.answerRight();
        if (!meantRight) { // two different numbers change places
            int a = 0;
            int b = 0;
            while (NumberText::wholeNumber(captions.at(a)) ==
                   NumberText::wholeNumber(captions.at(b))) {
                a = child.pick(5);
                b = child.pick(5);
            }
            captions.swapItemsAt(a, b);
        }
    } else {
        ++child.stats().meantRight; // five equal numbers: no wrong order exists
    }
    dropAll(child, form, boxes, captions, verdict(meantRight), false);
}
