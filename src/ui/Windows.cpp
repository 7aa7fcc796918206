#include "Windows.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

void deleteOwnerlessWindows() {
    QList<QPointer<QWidget>> ownerless;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parent())
            ownerless << w;
    // A window may take another with it (a member it owns): that one is null by then.
    for (const QPointer<QWidget> &w : ownerless)
        delete w.data();
}
