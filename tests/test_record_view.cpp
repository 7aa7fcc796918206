// The learning record view driven through the worksheet dialog and its real
// controls: a seeded record shown per child and period, CSV, the children's
// names, deleting, and tasks from the mistakes onto the worksheet.
#include "ModalBoxes.h"
#include "Program.h"
#include "record_steps.h"
#include "worksheet_steps.h"

#include "core/record/RecordCsv.h"
#include "ui/record/RecordView.h"

#include <QComboBox>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

RecordView &openRecordView(TestProgram &program) {
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    // The record opens after the menu's first paint, and asks nobody while it has no names.
    if (!QTest::qWaitFor(
            [] { return testApp().recordStore().state() == RecordStore::State::Open; }))
        qFatal("the record did not open");
    WorksheetDialog &sheet = openWorksheets(menu, 20);
    seedRecord(testApp().recordStore());
    press(sheet, "Befehl9");
    RecordView *view = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<RecordView *>(w); found && found->isVisible())
            view = found;
    if (!view)
        qFatal("the record view did not open");
    view->setClock(seededNow);
    return *view;
}

void chooseIn(RecordView &view, const char *list, const QString &text) {
    auto *box = control<QComboBox>(&view, QString::fromLatin1(list));
    box->setCurrentIndex(box->findText(text));
    emit box->activated(box->currentIndex());
}

void click(RecordView &view, const char *button) {
    QTest::mouseClick(control<QPushButton>(&view, QString::fromLatin1(button)), Qt::LeftButton);
}

QString cell(RecordView &view, const char *table, int row, int column) {
    QTableWidgetItem *item =
        control<QTableWidget>(&view, QString::fromLatin1(table))->item(row, column);
    return item ? item->text() : QString();
}

int rowOf(RecordView &view, const QString &exercise) {
    auto *table = control<QTableWidget>(&view, "Uebungen");
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0)->text() == exercise)
            return row;
    return -1;
}

} // namespace

class RecordViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void showsTheChosenChildAndPeriod();
    void csvHoldsTheChildsAnswers();
    void childrenAreAddedRenamedAndRemoved();
    void deletesOneChildsRecord();
    void mistakesBecomeWorksheetTasks();
};

void RecordViewTest::showsTheChosenChildAndPeriod() {
    TestProgram program;
    RecordView &view = openRecordView(program);
    QVERIFY(view.isVisible());
    QVERIFY(!testApp().worksheet().isVisible());
    chooseIn(view, "Kind", QStringLiteral("Mia"));
    chooseIn(view, "Zeitraum", QStringLiteral("alles"));
    QCOMPARE(control<QTableWidget>(&view, "Uebungen")->rowCount(), 2);
    const int row = rowOf(view, QStringLiteral("Nachbarn"));
    QCOMPARE(cell(view, "Uebungen", row, 1), QStringLiteral("24"));
    QCOMPARE(cell(view, "Uebungen", row, 2), QStringLiteral("58 %"));
    QCOMPARE(cell(view, "Uebungen", row, 3), QStringLiteral("1,4"));
    QCOMPARE(cell(view, "Uebungen", row, 5), QStringLiteral("1.000"));
    QCOMPARE(cell(view, "Fehler", 0, 2), QStringLiteral("Nachbarn (Zehner) von 4 099"));
    QCOMPARE(cell(view, "Fehler", 0, 4), QStringLiteral("6"));
    QVERIFY(control<QWidget>(&view, "Verlauf")
                ->accessibleDescription()
                .contains(QStringLiteral("07.03.2026: 8 richtig, 4 falsch")));
    // Today: only this morning's answers.
    chooseIn(view, "Zeitraum", QStringLiteral("heute"));
    QCOMPARE(cell(view, "Uebungen", rowOf(view, QStringLiteral("Nachbarn")), 1),
             QStringLiteral("8"));
    click(view, "Schliessen");
    QVERIFY(!view.isVisible());
    QVERIFY(testApp().worksheet().isVisible());
}

void RecordViewTest::csvHoldsTheChildsAnswers() {
    TestProgram program;
    RecordView &view = openRecordView(program);
    chooseIn(view, "Kind", QStringLiteral("Ole"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ole.csv"));
    view.setCsvPathAsker([&](QWidget *, const QString &, const QString &) { return path; });
    click(view, "CSV");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    QCOMPARE(csv, answersToCsv(testApp().recordStore().answers(QStringLiteral("Ole"))));
    QVERIFY(csv.contains("Ziffern: 12"));
}

void RecordViewTest::childrenAreAddedRenamedAndRemoved() {
    TestProgram program;
    RecordView &view = openRecordView(program);
    RecordStore &store = testApp().recordStore();
    ModalBoxes boxes(
        {QStringLiteral("=Lea;\"Klein\""), QStringLiteral("=Mia"), QStringLiteral("OK")});
    click(view, "KindNeu");
    QCOMPARE(view.child(), QStringLiteral("Lea;\"Klein\""));
    click(view, "KindUmbenennen"); // a name that is taken
    QCOMPARE(boxes.last().text, QStringLiteral("Den Namen „Mia“ gibt es schon.\r"));
    boxes.answer({QStringLiteral("=Lena")});
    click(view, "KindUmbenennen");
    QCOMPARE(store.children(), (QStringList{"Lena", "Mia", "Ole"}));
    chooseIn(view, "Kind", QStringLiteral("Ole"));
    boxes.answer({QStringLiteral("Ja")});
    click(view, "KindEntfernen");
    QCOMPARE(store.children(), (QStringList{"Lena", "Mia"}));
    QVERIFY(store.answers(QStringLiteral("Ole")).isEmpty());
    QCOMPARE(titles(boxes.seen), QStringList(5, QStringLiteral("Kinder")));
    QCOMPARE(boxes.unexpected, 0);
}

void RecordViewTest::deletesOneChildsRecord() {
    TestProgram program;
    RecordView &view = openRecordView(program);
    chooseIn(view, "Kind", QStringLiteral("Mia"));
    ModalBoxes boxes({QStringLiteral("Lernstand von „Mia“"), QStringLiteral("Nein")});
    click(view, "LernstandLoeschen");
    QVERIFY(!testApp().recordStore().answers(QStringLiteral("Mia")).isEmpty());
    boxes.answer({QStringLiteral("Lernstand von „Mia“"), QStringLiteral("Ja")});
    click(view, "LernstandLoeschen");
    QCOMPARE(titles(boxes.seen), QStringList(4, QStringLiteral("Lernstand löschen")));
    QVERIFY(testApp().recordStore().answers(QStringLiteral("Mia")).isEmpty());
    QCOMPARE(testApp().recordStore().answers(QStringLiteral("Ole")).size(), 1);
    QCOMPARE(control<QTableWidget>(&view, "Uebungen")->rowCount(), 0);
}

void RecordViewTest::mistakesBecomeWorksheetTasks() {
    TestProgram program;
    RecordView &view = openRecordView(program);
    chooseIn(view, "Kind", QStringLiteral("Mia"));
    ModalBoxes boxes;
    click(view, "AlsArbeitsblatt");
    QCOMPARE(boxes.unexpected, 0);
    WorksheetDialog &sheet = testApp().worksheet();
    QVERIFY(sheet.isVisible());
    // Two neighbour tasks at the range of the mistakes: "Ziffern" had none.
    QCOMPARE(fieldText(sheet).count(QLatin1Char('\n')), 2);
    QVERIFY(fieldText(sheet).startsWith(QStringLiteral("____")));
    // The key knows the appended tasks: it differs from the sheet in their gaps.
    QVERIFY(sheet.answerKey() != sheet.worksheetText());
}

QTEST_MAIN(RecordViewTest)
#include "test_record_view.moc"
