// The worksheet dialog driven through the menu and its real controls:
// opening, its controls and their order, the type list, appending tasks and
// the ways back to the menu.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"
#include "worksheet_steps.h"

#include "core/Random.h"
#include "core/worksheets/WorksheetTasks.h"
#include "ui/InfoScreen.h"
#include "ui/MenuScreen.h"
#include "ui/worksheets/WorksheetDialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>

class WorksheetDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void opensFromTheMenu();
    void wrongPasswordKeepsTheMenu();
    void controlsAndList();
    void printoutButtonsCoverNothing();
    void printoutButtonsByTab();
    void eachVisitStartsWithWords();
    void closeBoxIsCancel();
    void activationFromAnotherWindowSelectsWords();
    void ownBoxesKeepTheChosenType();
    void everyTypeAppendsItsTaskText_data();
    void everyTypeAppendsItsTaskText();
};

void WorksheetDialogTest::opensFromTheMenu() {
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    MenuScreen &menu = program.start();
    WorksheetDialog &dialog = openWorksheets(menu, 100);
    QVERIFY(dialog.isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(dialog.objectName(), QStringLiteral("Form11"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Arbeitsblatt drucken . . ."));
    const QRect display = dialog.screen()->geometry();
    QCOMPARE(dialog.pos(), QPoint(display.x() + (display.width() - dialog.width()) / 2,
                                  display.y() + (display.height() - dialog.height()) / 2));
    QCOMPARE(fieldText(dialog), QString());
}

void WorksheetDialogTest::wrongPasswordKeepsTheMenu() {
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    MenuScreen &menu = program.start();
    ModalBoxes boxes({QStringLiteral("=20")});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl13"), Qt::LeftButton);
    QVERIFY(menu.isVisible());
    QVERIFY(!testApp().worksheet().isVisible());
}

void WorksheetDialogTest::controlsAndList() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    const QList<QPair<const char *, QString>> buttons = {
        {"Befehl1", "Abbruch"},
        {"Befehl5", "Drucken"},
        {"Befehl2", " Kopieren"},
        {"Befehl4", QStringLiteral("Löschen")},
        {"Befehl3", QStringLiteral(" Übung")},
    };
    int left = -1;
    for (const auto &[name, caption] : buttons) {
        QPushButton *button = control<QPushButton>(&dialog, QString::fromLatin1(name));
        QCOMPARE(button->text(), caption);
        QVERIFY2(button->x() > left, name); // one row, left to right
        left = button->x();
    }
    QComboBox *list = control<QComboBox>(&dialog, "Kombi1");
    QVERIFY(list->x() > left);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    QCOMPARE(entries, WorksheetTasks::types());
    QCOMPARE(list->currentIndex(), 3);
    QCOMPARE(list->currentText(), QStringLiteral("Wörter"));

    QPlainTextEdit *field = control<QPlainTextEdit>(&dialog, "Text1");
    QVERIFY(!field->isReadOnly());
    QCOMPARE(field->font().family(), QStringLiteral("Arial"));
    QCOMPARE(field->font().pointSize(), 12);
    QVERIFY(field->y() > list->y() + list->height() - 1);
}

void WorksheetDialogTest::printoutButtonsCoverNothing() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    // The first row and the text field stay exactly where they were.
    const QList<QPair<const char *, QRect>> kept = {
        {"Befehl1", QRect(8, 8, 80, 28)},   {"Befehl5", QRect(96, 8, 80, 28)},
        {"Befehl2", QRect(184, 8, 80, 28)}, {"Befehl4", QRect(272, 8, 80, 28)},
        {"Befehl3", QRect(360, 8, 80, 28)}, {"Kombi1", QRect(448, 8, 184, 28)},
        {"Text1", QRect(8, 48, 624, 384)},
    };
    for (const auto &[name, rect] : kept)
        QCOMPARE(control<QWidget>(&dialog, QString::fromLatin1(name))->geometry(), rect);
    QCOMPARE(dialog.width(), 640);

    const QList<QPair<const char *, QString>> printouts = {
        {"Befehl6", QStringLiteral("Lösungen")},
        {"Befehl7", QStringLiteral("Vorschau")},
        {"Befehl8", QStringLiteral("PDF")},
        {"Befehl9", QStringLiteral("Lernstand")},
    };
    int left = -1;
    for (const auto &[name, caption] : printouts) {
        QPushButton *button = control<QPushButton>(&dialog, QString::fromLatin1(name));
        QCOMPARE(button->text(), caption);
        QVERIFY(button->isVisible() && button->isEnabled());
        QCOMPARE(button->size(), QSize(80, 28)); // as the buttons above
        QVERIFY2(dialog.rect().contains(button->geometry()), name);
        QVERIFY2(button->y() >= 48 + 384, name); // below the text field
        QVERIFY2(button->x() > left, name);      // one row, left to right
        left = button->x();
        for (const auto &[other, rect] : kept)
            QVERIFY2(!button->geometry().intersects(rect), other);
    }
}

void WorksheetDialogTest::printoutButtonsByTab() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QComboBox *list = control<QComboBox>(&dialog, "Kombi1");
    list->setFocus();
    QCOMPARE(QApplication::focusWidget(), list);
    for (const char *name : {"Befehl6", "Befehl7", "Befehl8", "Befehl9", "Text1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    QCOMPARE(list->currentText(), QStringLiteral("Wörter")); // Tab chose nothing on the way
    // From the text field Tab goes on round to every control, typing no tab.
    QSet<QString> reached;
    for (int i = 0; i < 12 && QApplication::focusWidget() != list; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached,
             (QSet<QString>{"Befehl1", "Befehl2", "Befehl3", "Befehl4", "Befehl5", "Kombi1"}));
    QCOMPARE(fieldText(dialog), QString());
}

void WorksheetDialogTest::eachVisitStartsWithWords() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    WorksheetDialog &dialog = openWorksheets(menu, 20);
    choose(dialog, QStringLiteral("Ziffern"));
    press(dialog, "Befehl3");
    const QString sheet = fieldText(dialog);

    press(dialog, "Befehl1"); // Abbruch
    QVERIFY(!dialog.isVisible());
    QVERIFY(menu.isVisible());

    openWorksheets(menu, 20);
    QCOMPARE(dialog.typeList()->currentText(), QStringLiteral("Wörter"));
    QCOMPARE(fieldText(dialog), sheet); // the sheet stays from visit to visit
}

void WorksheetDialogTest::closeBoxIsCancel() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    WorksheetDialog &dialog = openWorksheets(menu, 20);
    control<QPlainTextEdit>(&dialog, "Text1")->setPlainText(QStringLiteral("Klasse 2b"));
    choose(dialog, QStringLiteral("Mengen"));
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(fieldText(dialog), QStringLiteral("Klasse 2b"));
    QCOMPARE(dialog.typeList()->currentText(), QStringLiteral("Mengen")); // until the next visit
}

void WorksheetDialogTest::activationFromAnotherWindowSelectsWords() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    InfoScreen &info = testApp().info();
    info.display(); // stays beside the menu
    WorksheetDialog &dialog = openWorksheets(menu, 20);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    choose(dialog, QStringLiteral("Strahl"));

    info.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&info));
    QCOMPARE(dialog.typeList()->currentText(), QStringLiteral("Strahl"));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.typeList()->currentText(), QStringLiteral("Wörter"));
}

void WorksheetDialogTest::ownBoxesKeepTheChosenType() {
    // A message box of the dialog itself is no new visit: the choice stays.
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    choose(dialog, QStringLiteral("Zerlegen"));
    {
        ModalBoxes boxes({QStringLiteral("Nein")});
        press(dialog, "Befehl5");
        QCOMPARE(boxes.seen.size(), 1);
    }
    dialog.activateWindow(); // what the window system does when the box is gone
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.typeList()->currentText(), QStringLiteral("Zerlegen"));
}

void WorksheetDialogTest::everyTypeAppendsItsTaskText_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("range");
    for (const QString &type : WorksheetTasks::types())
        for (int range : {20, 1000, 1000000})
            QTest::addRow("%s %d", qPrintable(type), range) << type << range;
}

void WorksheetDialogTest::everyTypeAppendsItsTaskText() {
    QFETCH(QString, type);
    QFETCH(int, range);
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    testApp().session().setRange(range);
    const QString before = QStringLiteral("Arbeitsblatt\r\n");
    control<QPlainTextEdit>(&dialog, "Text1")->setPlainText(QStringLiteral("Arbeitsblatt\n"));
    Random::seed(4711);
    const QString expected = WorksheetTasks::taskText(type, range);
    QVERIFY(expected.endsWith(QStringLiteral("\r\n")));
    Random::seed(4711);
    choose(dialog, type);
    press(dialog, "Befehl3");
    QCOMPARE(dialog.worksheetText(), before + expected);
}

QTEST_MAIN(WorksheetDialogTest)
#include "test_worksheet_dialog.moc"
