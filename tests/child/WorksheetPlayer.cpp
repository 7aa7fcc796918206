// The player of the worksheet dialog, by its control names alone: picks task
// types, presses " Übung" (which must make the sheet grow), clears,
// copies, asks to print (answered No) and goes back by "Abbruch".
#include "Gestures.h"
#include "Players.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

QString sheet(QWidget *field) {
    return field ? field->property("plainText").toString() : QString();
}

void press(Child &child, QWidget *screen, const char *name) {
    QPushButton *b = screen->findChild<QPushButton *>(QString::fromLatin1(name));
    if (b)
        child.once(QStringLiteral("click %1 %2").arg(b->objectName(), b->text()),
                   [b] { Gesture::click(b); });
}

} // namespace

void playWorksheet(Child &child, QWidget *screen) {
    auto *types = screen->findChild<QComboBox *>(QStringLiteral("Kombi1"));
    QWidget *field = screen->findChild<QWidget *>(QStringLiteral("Text1"));
    const int roll = child.pick(100);
    if (roll < 30 && types) {
        const Qt::Key key = child.chance(0.5) ? Qt::Key_Down : Qt::Key_Up;
        child.once(QStringLiteral("type list key"), [types, key] { QTest::keyClick(types, key); });
    } else if (roll < 75) {
        QPushButton *task = screen->findChild<QPushButton *>(QStringLiteral("Befehl3"));
        if (!task)
            return;
        child.once(QStringLiteral("click Befehl3 Übung"), [&child, task, field] {
            const QString before = sheet(field);
            Gesture::click(task);
            const QString after = sheet(field);
            if (after.size() <= before.size())
                child.stats().fault(QStringLiteral("\" Übung\" did not add to the worksheet"));
            child.stats().worksheetCharsMost =
                std::max(child.stats().worksheetCharsMost, after.size());
        });
    } else if (roll < 80) {
        press(child, screen, "Befehl4"); // Löschen
    } else if (roll < 85) {
        press(child, screen, "Befehl2"); // Kopieren
    } else if (roll < 88) {
        press(child, screen, "Befehl5"); // Drucken, answered No
    } else if (roll < 90 && field) {
        child.once(QStringLiteral("key into Text1"),
                   [field] { QTest::keyClick(field, Qt::Key_7); });
    } else if (roll < 98) {
        press(child, screen, "Befehl1"); // Abbruch
    } else {
        child.once(QStringLiteral("close box"), [screen] { Gesture::closeBox(screen); });
    }
}

qsizetype worksheetLength() {
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("Form11"))
            return sheet(top->findChild<QWidget *>(QStringLiteral("Text1"))).size();
    return 0;
}
