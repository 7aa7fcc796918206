// What a screen reader finds: every control and label a child reads or uses
// by a German name, the pictured tasks as text, no decoration.
#include "ModalBoxes.h"
#include "open_screen.h"

#include <QAccessible>
#include <QTest>

namespace {

QAccessibleInterface *of(QWidget *screen, const QString &name) {
    return QAccessible::queryAccessibleInterface(control<QWidget>(screen, name));
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void names_data();
    void names();
    void decorationIsHidden_data();
    void decorationIsHidden();
};

void AccessibilityTest::names_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name"); // a prefix where the rest is drawn
    QTest::addColumn<QString>("description");
    const QString none;
    QTest::addRow("Menü Regler") << QByteArray() << "HBildlauf1"
                                 << "Zahlenraum" << none;
    QTest::addRow("Ziffern Regler") << QByteArray("Befehl2") << "HBildlauf3"
                                    << "Hunderter" << none;
    QTest::addRow("Ziffern Aufgabe") << QByteArray("Befehl2") << "Bezeichnung1"
                                     << "Aufgabe: 483" << none;
    QTest::addRow("Mengen Regler") << QByteArray("Befehl4") << "HBildlauf3"
                                   << "Einer" << none;
    QTest::addRow("Wörter Antwort") << QByteArray("Befehl3") << "Bezeichnung2"
                                    << "Antwort, leer" << none;
    QTest::addRow("Bilder") << QByteArray("Befehl5") << "Bezeichnung1"
                            << "Antwort, leer"
                            << "Bild: 0 Tausender, 4 Hunderter, 8 Zehner, 3 Einer";
    QTest::addRow("Strahl") << QByteArray("Befehl6") << "Bezeichnung3"
                            << "Anfang: "
                            << "Zahlenstrahl von ";
    QTest::addRow("< = > Lücke") << QByteArray("Befehl10") << "Bezeichnung11"
                                 << "Lücke 2, leer" << none;
    QTest::addRow("< = > Zahl") << QByteArray("Befehl10") << "Bezeichnung7"
                                << "Zahl 3: 483" << none;
    QTest::addRow("Ordnen Zahl") << QByteArray("Befehl14") << "Bezeichnung8"
                                 << "Zahl 3 von 5: " << none;
    QTest::addRow("Ordnen Platz") << QByteArray("Befehl14") << "Bezeichnung1"
                                  << "Platz 1, leer" << none;
    QTest::addRow("Zählen Feld") << QByteArray("Befehl11") << "Bezeichnung1"
                                 << "Feld 1" << none;
    QTest::addRow("Memory Karte") << QByteArray("Befehl15") << "Bezeichnung7"
                                  << "Karte 7, verdeckt" << none;
    QTest::addRow("Info Bild") << QByteArray("Befehl12") << "Bild1"
                               << "Bild: " << none;
}

void AccessibilityTest::names() {
    QFETCH(QByteArray, button);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    TestProgram program;
    ModalBoxes boxes({"OK"});
    QWidget *screen = openFromMenu(program, button, QList<int>(5, 483));
    QAccessibleInterface *control_ = of(screen, control);
    QVERIFY(control_);
    QVERIFY2(control_->text(QAccessible::Name).startsWith(name),
             qPrintable(control_->text(QAccessible::Name)));
    const QString shownTask =
        QAccessible::queryAccessibleInterface(screen)->text(QAccessible::Description);
    QVERIFY2(shownTask.startsWith(description), qPrintable(shownTask));
    QCOMPARE(description.isEmpty(), shownTask.isEmpty());
}

void AccessibilityTest::decorationIsHidden_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("decoration"); // drawn children a screen reader must not see
    QTest::addRow("Menü") << QByteArray() << 1;
    QTest::addRow("Strahl") << QByteArray("Befehl6") << 16;
    QTest::addRow("Nachbarn") << QByteArray("Befehl9") << 12;
    QTest::addRow("Familie") << QByteArray("Befehl7") << 2;
    QTest::addRow("Ordnen") << QByteArray("Befehl14") << 4;
}

void AccessibilityTest::decorationIsHidden() {
    QFETCH(QByteArray, button);
    QFETCH(int, decoration);
    TestProgram program;
    ModalBoxes boxes({"OK"});
    QWidget *screen = openFromMenu(program, button, QList<int>(5, 483));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(screen);
    const int widgets = int(screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size());
    QCOMPARE(window->childCount(), widgets - decoration);
    for (int k = 0; k < window->childCount(); ++k)
        QCOMPARE(window->indexOfChild(window->child(k)), k);
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
