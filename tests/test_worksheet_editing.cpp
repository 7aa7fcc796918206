// Working on a sheet in the worksheet dialog: typing beside the tasks, undo,
// the empty selection, clearing, copying and the print question.
#include "Draws.h"
#include "worksheet_steps.h"

#include "core/Random.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>

class WorksheetEditingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void appendsAfterHandTypedText();
    void undoTakesBackTypingButNoTask();
    void borrowedTasksLeaveTheExercisesHidden();
    void emptySelectionIsTold();
    void clearEmptiesAtOnce();
    void copyCopiesAndBeeps();
    void copyBeepsAlsoWhenEmpty();
    void printAnsweredNoPrintsNothing();
    void twoDigitsTasksTwoLines();
};

void WorksheetEditingTest::appendsAfterHandTypedText() {
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

void WorksheetEditingTest::undoTakesBackTypingButNoTask() {
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

void WorksheetEditingTest::borrowedTasksLeaveTheExercisesHidden() {
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

void WorksheetEditingTest::emptySelectionIsTold() {
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

void WorksheetEditingTest::clearEmptiesAtOnce() {
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

void WorksheetEditingTest::copyCopiesAndBeeps() {
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

void WorksheetEditingTest::copyBeepsAlsoWhenEmpty() {
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

void WorksheetEditingTest::printAnsweredNoPrintsNothing() {
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

void WorksheetEditingTest::twoDigitsTasksTwoLines() {
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

QTEST_MAIN(WorksheetEditingTest)
#include "test_worksheet_editing.moc"
