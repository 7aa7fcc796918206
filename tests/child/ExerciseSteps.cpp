#include "ExerciseSteps.h"

#include "Gestures.h"

#include "ui/ExerciseScreen.h"
#include "ui/Label.h"

#include <QPushButton>

namespace ExerciseSteps {

namespace {

QString nameOf(const QWidget *w) {
    return w->objectName();
}

// A visible label of the screen that a click may go to.
QLabel *someLabel(Child &child, ExerciseScreen *screen, const QStringList &notClickable) {
    QList<QLabel *> labels;
    for (QLabel *l : screen->findChildren<QLabel *>())
        if (l->isVisible() && !notClickable.contains(l->objectName()))
            labels << l;
    return labels.isEmpty() ? nullptr : labels.at(child.pick(int(labels.size())));
}

} // namespace

bool maybeFiddle(Child &child, ExerciseScreen *screen, const Extras &extras) {
    const int roll = child.pick(100);
    if (roll < 4) {
        child.once(QStringLiteral("ENDE"), [screen] { Gesture::click(screen->endButton()); });
    } else if (roll < 5) {
        child.once(QStringLiteral("close box"), [screen] { Gesture::closeBox(screen); });
    } else if (roll < 11) {
        if (QLabel *label = someLabel(child, screen, extras.notClickable))
            child.once(QStringLiteral("click ") + nameOf(label),
                       [label] { Gesture::click(label); });
    } else if (roll < 14) {
        submit(child, screen, Expect::Anything, extras.enterChecks);
    } else if (roll < 19) {
        child.once(QStringLiteral("stray key"),
                   [&child, screen] { Gesture::strayKey(child, screen); });
    } else if (roll < 25 && !extras.buttons.isEmpty()) {
        const QString name = extras.buttons.at(child.pick(int(extras.buttons.size())));
        auto *button = screen->findChild<QPushButton *>(name);
        child.once(QStringLiteral("click ") + name, [button] { Gesture::click(button); });
    } else {
        return false;
    }
    return true;
}

void submit(Child &child, ExerciseScreen *screen, Expect expect, bool enterChecks) {
    if (enterChecks && child.chance(0.5))
        child.once(
            QStringLiteral("Enter"), [screen] { Gesture::key(screen, Qt::Key_Return); }, expect);
    else
        child.once(
            QStringLiteral("OKAY"), [screen] { Gesture::click(screen->okayButton()); }, expect);
}

void typeAnswer(Child &child, ExerciseScreen *screen, QLabel *field, const QString &digits,
                Expect expect) {
    for (qsizetype i = field->text().size(); i > 0; --i)
        child.once(QStringLiteral("Backspace"),
                   [screen] { Gesture::key(screen, Qt::Key_Backspace); });
    for (const QChar digit : digits)
        child.once(QStringLiteral("key ") + digit,
                   [screen, digit] { Gesture::key(screen, Gesture::digitKey(digit)); });
    submit(child, screen, expect);
}

QString wrongDigits(Child &child, const QString &right) {
    QString wrong = right;
    switch (child.pick(4)) {
    case 0: { // one digit changed
        const int at = child.pick(int(wrong.size()));
        const int digit = wrong.at(at).digitValue();
        wrong[at] = QChar(u'0' + (digit + 1 + child.pick(9)) % 10);
        break;
    }
    case 1:
        wrong += QChar(u'0' + child.pick(10));
        break;
    case 2:
        wrong.chop(1);
        break;
    default:
        wrong.prepend(QLatin1Char('0'));
        break;
    }
    return wrong;
}

} // namespace ExerciseSteps
