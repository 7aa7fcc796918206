#include "Invariants.h"
#include "Program.h"

#include "Child.h"

#include "core/NumberText.h"
#include "ui/MenuScreen.h"
#include "ui/Screen.h"

#include <QApplication>
#include <QLabel>

namespace Invariants {

namespace {

void checkCount(Child &child) {
    ChildStats &stats = child.stats();
    const int shown = testApp().session().count();
    const int expected = stats.richtigBoxes - 20 * stats.rewards + stats.countOffset;
    if (shown == expected)
        return;
    stats.fault(QStringLiteral("the count is %1 after %2 right-answer boxes and %3 rewards "
                               "(expected %4)")
                    .arg(shown)
                    .arg(stats.richtigBoxes)
                    .arg(stats.rewards)
                    .arg(expected));
    stats.countOffset += shown - expected; // report the next difference, not this one again
}

void checkAlone(Child &child) {
    MenuScreen &menu = testApp().menu();
    if (!menu.isVisible())
        return;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu && w->isVisible() && qobject_cast<Screen *>(w) &&
            w->objectName() != QLatin1String("ZUBLABEL")) {
            child.stats().fault(
                QStringLiteral("%1 is visible together with the menu").arg(w->objectName()));
            w->hide(); // go on with the menu alone
        }
}

} // namespace

void check(Child &child) {
    checkCount(child);
    checkAlone(child);
}

} // namespace Invariants
