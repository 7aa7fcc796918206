// What a screen reader finds: every control and label a child reads or uses
// by a German name, the pictured tasks as text, no decoration.
#include "ModalBoxes.h"
#include "open_screen.h"

#include <QAccessible>
#include <QTest>

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void names_data();
    void names();
};

void AccessibilityTest::names_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<QString>("name");   // the start of it, where the rest is drawn
    QTest::addColumn<QString>("task");   // the screen's description
    QTest::addColumn<int>("decoration"); // children a screen reader must not see
    const struct {
        const char *button, *control, *name, *task;
        int decoration;
    } rows[] = {
        {"", "HBildlauf1", "Zahlenraum", "", 1},
        {"Befehl2", "HBildlauf3", "Hunderter", "", 0},
        {"Befehl2", "Bezeichnung1", "Aufgabe: 483", "", 0},
        {"Befehl4", "HBildlauf3", "Einer", "", 0},
        {"Befehl3", "Bezeichnung2", "Antwort, leer", "", 0},
        {"Befehl5", "Bezeichnung1", "Antwort, leer",
         "Bild: 0 Tausender, 4 Hunderter, 8 Zehner, 3 Einer", 0},
        {"Befehl6", "Bezeichnung3", "Anfang: ", "Zahlenstrahl von ", 16},
        {"Befehl7", "Bezeichnung10", "Antwort, leer", "", 2},
        {"Befehl9", "Bezeichnung5", "Stelle: E", "", 12},
        {"Befehl10", "Bezeichnung11", "Lücke 2, leer", "", 1},
        {"Befehl10", "Bezeichnung7", "Zahl 3: 483", "", 1},
        {"Befehl14", "Bezeichnung8", "Zahl 3 von 5: ", "", 4},
        {"Befehl14", "Bezeichnung1", "Platz 1, leer", "", 4},
        {"Befehl11", "Bezeichnung1", "Feld 1", "", 4},
        {"Befehl15", "Bezeichnung7", "Karte 7, verdeckt", "", 0},
        {"Befehl12", "Bild1", "Bild: ", "", 1},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r.button, r.control)
            << QByteArray(r.button) << QString::fromUtf8(r.control) << QString::fromUtf8(r.name)
            << QString::fromUtf8(r.task) << r.decoration;
}

void AccessibilityTest::names() {
    QFETCH(QByteArray, button);
    QFETCH(QString, controlName);
    QFETCH(QString, name);
    QFETCH(QString, task);
    QFETCH(int, decoration);
    TestProgram program;
    ModalBoxes boxes({"OK"});
    QWidget *screen = openFromMenu(program, button, QList<int>(5, 483));
    const QString spoken =
        QAccessible::queryAccessibleInterface(control<QWidget>(screen, controlName))
            ->text(QAccessible::Name);
    QVERIFY2(spoken.startsWith(name), qPrintable(spoken));

    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(screen);
    const QString told = window->text(QAccessible::Description);
    QCOMPARE(told.left(task.size()), task);
    QCOMPARE(told.isEmpty(), task.isEmpty());
    const auto widgets = screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(window->childCount(), widgets.size() - decoration);
    for (int k = 0; k < window->childCount(); ++k)
        QCOMPARE(window->indexOfChild(window->child(k)), k);
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
