// The worksheet dialog driven through the menu and its real controls:
// opening, the type list, appending tasks, clearing, copying, the print
// question and the ways back to the menu.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"

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
#include <QTest>

namespace {

// Opens the dialog the way a teacher does: "Druck", then the range as the password.
WorksheetDialog &openWorksheets(MenuScreen &menu, int range) {
    ModalBoxes boxes({QStringLiteral("=%1").arg(range)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl13"), Qt::LeftButton);
    if (boxes.seen.size() != 1 || boxes.unexpected != 0)
        qFatal("the password prompt was not answered");
    return testApp().worksheet();
}

void press(WorksheetDialog &dialog, const char *button) {
    QTest::mouseClick(control<QPushButton>(&dialog, QString::fromLatin1(button)), Qt::LeftButton);
}

void choose(WorksheetDialog &dialog, const QString &type) {
    QComboBox *list = control<QComboBox>(&dialog, "Kombi1");
    list->setCurrentIndex(list->findText(type));
    QCOMPARE(list->currentText(), type);
}

QString fieldText(WorksheetDialog &dialog) {
    return control<QPlainTextEdit>(&dialog, "Text1")->toPlainText();
}

const QString thirty = QString(30, QLatin1Char('_'));

} // namespace

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
    void twoDigitsTasksTwoLines();
    void appendsAfterHandTypedText();
    void undoTakesBackTypingButNoTask();
    void borrowedTasksLeaveTheExercisesHidden();
    void emptySelectionIsTold();
    void clearEmptiesAtOnce();
    void copyCopiesAndBeeps();
    void copyBeepsAlsoWhenEmpty();
    void printAnsweredNoPrintsNothing();
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
    for (const char *name : {"Befehl6", "Befehl7", "Befehl8", "Text1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    QCOMPARE(list->currentText(), QStringLiteral("Wörter")); // Tab chose nothing on the way
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

void WorksheetDialogTest::twoDigitsTasksTwoLines() {
    TestProgram program;
    program.writeSettings(" 3 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 1000);
    choose(dialog, QStringLiteral("Ziffern"));
    Random::script({fractionFor(12, 1000), fractionFor(907, 1000)});
    press(dialog, "Befehl3");
    press(dialog, "Befehl3");
    QCOMPARE(dialog.worksheetText(),
             QStringLiteral(" 12 = ") + thirty + "\r\n 907 = " + thirty + "\r\n");
    QCOMPARE(fieldText(dialog), QStringLiteral(" 12 = ") + thirty + "\n 907 = " + thirty + "\n");
}

void WorksheetDialogTest::appendsAfterHandTypedText() {
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 100);
    QPlainTextEdit *field = control<QPlainTextEdit>(&dialog, "Text1");
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("Name:"));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClicks(field, QStringLiteral("Datum: "));
    QTest::keyClick(field, Qt::Key_Home); // the caret elsewhere changes nothing
    choose(dialog, QStringLiteral("Nachbarn"));
    Random::script({fractionFor(42, 100), fractionFor(100, 100)});
    press(dialog, "Befehl3");
    press(dialog, "Befehl3");
    QCOMPARE(dialog.worksheetText(), QStringLiteral("Name:\r\nDatum: ____  42  ____\r\n"
                                                    "______  100  ______\r\n"));
}

void WorksheetDialogTest::undoTakesBackTypingButNoTask() {
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 100);
    QPlainTextEdit *field = control<QPlainTextEdit>(&dialog, "Text1");
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("Name:"));
    choose(dialog, QStringLiteral("Nachbarn"));
    Random::script({fractionFor(42, 100), fractionFor(7, 100)});
    press(dialog, "Befehl3");
    press(dialog, "Befehl3");
    const QString sheet = fieldText(dialog);
    QCOMPARE(field->document()->availableUndoSteps(), 0);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("ab"));
    QVERIFY(field->document()->isUndoAvailable());
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier); // nothing older to take back
    QCOMPARE(fieldText(dialog), sheet);
}

void WorksheetDialogTest::borrowedTasksLeaveTheExercisesHidden() {
    TestProgram program;
    program.writeSettings(" 3 \r\n");
    MenuScreen &menu = program.start();
    WorksheetDialog &dialog = openWorksheets(menu, 1000);
    for (const char *type : {"Wörter", "Familie", "Ordnen"}) {
        choose(dialog, QString::fromUtf8(type));
        press(dialog, "Befehl3");
    }
    const QStringList lines = dialog.worksheetText().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6); // one, one, three lines and the end
    QVERIFY(lines[0].startsWith(QStringLiteral("________ = ")));
    QCOMPARE(lines[1].count(QLatin1Char(',')), 9);
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3].count(QStringLiteral(",   ")), 4);
    const QList<QWidget *> visible = [] {
        QList<QWidget *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                shown << w;
        return shown;
    }();
    QCOMPARE(visible, QList<QWidget *>{&dialog});
}

void WorksheetDialogTest::emptySelectionIsTold() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    control<QPlainTextEdit>(&dialog, "Text1")->setPlainText(QStringLiteral("bleibt"));
    dialog.typeList()->setCurrentIndex(-1);
    ModalBoxes boxes({QStringLiteral("OK")});
    press(dialog, "Befehl3");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Übungsart"));
    QCOMPARE(boxes.last().text, QStringLiteral("Bitte eine Auswahl treffen!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::NoIcon);
    QCOMPARE(boxes.last().buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(fieldText(dialog), QStringLiteral("bleibt"));
}

void WorksheetDialogTest::clearEmptiesAtOnce() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    choose(dialog, QStringLiteral("Strahl"));
    press(dialog, "Befehl3");
    QVERIFY(!fieldText(dialog).isEmpty());
    ModalBoxes boxes;
    press(dialog, "Befehl4");
    QCOMPARE(boxes.seen.size(), 0); // no question asked
    QCOMPARE(fieldText(dialog), QString());
    QCOMPARE(dialog.typeList()->currentText(), QStringLiteral("Strahl"));
}

void WorksheetDialogTest::copyCopiesAndBeeps() {
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 100);
    QStringList events;
    dialog.setBeep(
        [&] { events << QStringLiteral("beep:") + QGuiApplication::clipboard()->text(); });
    control<QPlainTextEdit>(&dialog, "Text1")->setPlainText(QStringLiteral("Übungen für Jörg"));
    choose(dialog, QStringLiteral("Mengen"));
    Random::script({fractionFor(21, 100)});
    press(dialog, "Befehl3");
    QGuiApplication::clipboard()->setText(QStringLiteral("alt"));
    press(dialog, "Befehl2");
    const QString sheet = QStringLiteral("Übungen für Jörg21 = __+__+__\r\n");
    QCOMPARE(QGuiApplication::clipboard()->text(), sheet);
    QCOMPARE(events, QStringList{QStringLiteral("beep:") + sheet}); // copied first, then the beep
    QCOMPARE(dialog.worksheetText(), sheet);
}

void WorksheetDialogTest::copyBeepsAlsoWhenEmpty() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    int beeps = 0;
    dialog.setBeep([&] { ++beeps; });
    QGuiApplication::clipboard()->setText(QStringLiteral("alt"));
    press(dialog, "Befehl2");
    QCOMPARE(beeps, 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void WorksheetDialogTest::printAnsweredNoPrintsNothing() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start(), 20);
    int printersAsked = 0;
    dialog.setPrinterSource([&] {
        ++printersAsked;
        return std::unique_ptr<QPrinter>();
    });
    control<QPlainTextEdit>(&dialog, "Text1")->setPlainText(QStringLiteral("Blatt"));
    ModalBoxes boxes({QStringLiteral("Nein")});
    press(dialog, "Befehl5");
    QCOMPARE(boxes.seen.size(), 1);
    const SeenBox &question = boxes.last();
    QCOMPARE(question.title, QStringLiteral("Drucken"));
    QCOMPARE(question.text, QStringLiteral("Das Textfeld jetzt ausdrucken?\r "));
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    QCOMPARE(question.defaultButton, QStringLiteral("Nein"));
    QCOMPARE(printersAsked, 0);
    QCOMPARE(fieldText(dialog), QStringLiteral("Blatt"));
}

QTEST_MAIN(WorksheetDialogTest)
#include "test_worksheet_dialog.moc"
