// The ordering exercise: the raise pass, the sort, the check box by box, and
// drops onto the answer boxes through the real screen.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"
#include "drop_events.h"

#include "core/Random.h"
#include "exercises/relation/Form13.h"
#include "exercises/relation/OrderingRules.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"

#include <QPushButton>
#include <QTest>

namespace {

// Scripts the fractions that make Random::draw(range) give these numbers.
void scriptDraws(const OrderingRow &numbers, int range) {
    QList<double> fractions;
    for (int n : numbers)
        fractions << fractionFor(n, range);
    Random::script(fractions);
}

QString name(int number) {
    return QStringLiteral("Bezeichnung%1").arg(number);
}

QString upperRow(Form13 &screen) {
    QStringList row;
    for (int k = 1; k <= Form13::columnCount; ++k)
        row << screen.numberLabel(k)->text();
    return row.join(QLatin1Char(' '));
}

QString answers(Form13 &screen) {
    return screen.answerCaptions().join(QLatin1Char('|'));
}

OrderingRow sortedField() {
    OrderingRow row{};
    for (size_t k = 0; k < row.size(); ++k)
        row[k] = MODUL1::Zahlenfeld[k + 1];
    return row;
}

// Drags the k-th number of the upper row into answer box `box`.
bool drag(Form13 &screen, int k, int box) {
    return dropOn(&screen, screen.answerBox(box), *labelDrag(screen.numberLabel(k)->text()));
}

} // namespace

Q_DECLARE_METATYPE(OrderingRow)

class OrderingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void raisePass_data();
    void raisePass();
    void sortIsNumeric_data();
    void sortIsNumeric();
    void checkComparesValues_data();
    void checkComparesValues();
    void taskWorksOnHiddenScreen();

    void openingFromMenu();
    void dropFillsAndOverwritesBoxes();
    void dropElsewhereChangesNothing();
    void equalNumbersFitEitherBox();
    void wrongOrIncompleteAnswerKeepsBoxes();
    void noKeyChecks();

private:
    Form13 &open(TestProgram &program, const OrderingRow &draws);
};

Form13 &OrderingTest::open(TestProgram &program, const OrderingRow &draws) {
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    scriptDraws(draws, MODUL1::session().range());
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl14")), Qt::LeftButton);
    return Screens::get<Form13>();
}

void OrderingTest::raisePass_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<OrderingRow>("draws");
    QTest::addColumn<OrderingRow>("numbers");
    QTest::addRow("no match") << 20 << OrderingRow{7, 3, 12, 1, 19} << OrderingRow{7, 3, 12, 1, 19};
    QTest::addRow("5 4 4 gives 5 4 5")
        << 20 << OrderingRow{5, 4, 4, 1, 2} << OrderingRow{5, 4, 5, 1, 2};
    QTest::addRow("20 meets 20") << 20 << OrderingRow{20, 20, 3, 4, 6}
                                 << OrderingRow{20, 21, 3, 4, 6};
    QTest::addRow("all twenty reach 24")
        << 20 << OrderingRow{20, 20, 20, 20, 20} << OrderingRow{20, 21, 22, 23, 24};
    QTest::addRow("a raise meets a later one")
        << 20 << OrderingRow{3, 4, 3, 1, 2} << OrderingRow{3, 4, 5, 1, 2};
    QTest::addRow("no look back after a raise")
        << 20 << OrderingRow{4, 3, 3, 4, 9} << OrderingRow{4, 3, 4, 5, 9};
    QTest::addRow("top of the largest range")
        << 1000000 << OrderingRow{1000000, 1000000, 1, 1, 500000}
        << OrderingRow{1000000, 1000001, 1, 2, 500000};
}

void OrderingTest::raisePass() {
    QFETCH(int, range);
    QFETCH(OrderingRow, draws);
    QFETCH(OrderingRow, numbers);
    scriptDraws(draws, range);
    QCOMPARE(drawOrderingNumbers(range), numbers);
    QCOMPARE(Random::scriptLeft(), 0);
}

void OrderingTest::sortIsNumeric_data() {
    QTest::addColumn<OrderingRow>("numbers");
    QTest::addColumn<OrderingRow>("sorted");
    QTest::addRow("digit counts differ")
        << OrderingRow{9, 100, 24, 1000000, 10} << OrderingRow{9, 10, 24, 100, 1000000};
    QTest::addRow("equal numbers stay") << OrderingRow{5, 4, 5, 1, 2} << OrderingRow{1, 2, 4, 5, 5};
    QTest::addRow("above the range")
        << OrderingRow{20, 21, 22, 23, 24} << OrderingRow{20, 21, 22, 23, 24};
}

void OrderingTest::sortIsNumeric() {
    QFETCH(OrderingRow, numbers);
    QFETCH(OrderingRow, sorted);
    QCOMPARE(sortedAscending(numbers), sorted);
}

void OrderingTest::checkComparesValues_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("correct");
    // The sorted numbers are always 1 2 4 5 5 here.
    QTest::addRow("in order") << QStringList{"1", "2", "4", "5", "5"} << true;
    QTest::addRow("value, not text") << QStringList{"01", " 2", "4", "5", "5"} << true;
    QTest::addRow("one box empty") << QStringList{"1", "2", "", "5", "5"} << false;
    QTest::addRow("single number twice") << QStringList{"1", "2", "2", "5", "5"} << false;
    QTest::addRow("largest first") << QStringList{"5", "5", "4", "2", "1"} << false;
    QTest::addRow("all empty") << QStringList{"", "", "", "", ""} << false;
}

void OrderingTest::checkComparesValues() {
    QFETCH(QStringList, boxes);
    QFETCH(bool, correct);
    QCOMPARE(orderingCorrect(boxes, OrderingRow{1, 2, 4, 5, 5}), correct);
}

void OrderingTest::taskWorksOnHiddenScreen() {
    TestProgram program;
    MODUL1::session().setRange(20);
    MODUL1::Zahlenfeld.fill(-1);
    MODUL1::Zahl = 17;
    MODUL1::ZahlText = QStringLiteral("17");
    // The worksheets call the routine before the screen was ever shown.
    scriptDraws({20, 20, 3, 11, 5}, 20);
    MODUL1::NeueOrdnungsAufgabe();
    Form13 &screen = Screens::get<Form13>();
    QVERIFY(!screen.isVisible());
    QCOMPARE(control<Label>(&screen, name(6))->text(), QStringLiteral("20"));
    QCOMPARE(upperRow(screen), QStringLiteral("20 21 3 11 5")); // drawn order, no blanks
    QCOMPARE(sortedField(), (OrderingRow{3, 5, 11, 20, 21}));
    QCOMPARE(MODUL1::Zahlenfeld[6], -1);
    QCOMPARE(MODUL1::Zahl, 17.0); // neither Zahl nor ZahlText belong to this exercise
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("17"));

    // A second call empties boxes filled meanwhile and replaces the row.
    screen.answerBox(2)->setText(QStringLiteral("5"));
    scriptDraws({1, 2, 3, 4, 5}, 20);
    MODUL1::NeueOrdnungsAufgabe();
    QCOMPARE(answers(screen), QStringLiteral("||||"));
    QCOMPARE(upperRow(screen), QStringLiteral("1 2 3 4 5"));
}

void OrderingTest::openingFromMenu() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    program.start();
    Form13 &screen = Screens::get<Form13>();
    QCOMPARE(screen.windowTitle(), QString()); // no caption of its own
    const QPoint unplaced = screen.pos();

    scriptDraws({8, 2, 15, 2, 9}, 20);
    QTest::mouseClick(control<QPushButton>(&testApp().menu(), QStringLiteral("Befehl14")),
                      Qt::LeftButton);
    QVERIFY(screen.isVisible());
    QVERIFY(!testApp().menu().isVisible());
    QCOMPARE(screen.pos(), unplaced);
    QCOMPARE(screen.windowTitle(), QStringLiteral("ZUB-Zahlen bis 20"));
    QCOMPARE(upperRow(screen), QStringLiteral("8 2 15 3 9"));
    QCOMPARE(control<Label>(&screen, name(11))->text(), QStringLiteral("Mit der Maus verschieben"));

    // Each number stands above its answer box; lines join neighbouring boxes.
    for (int k = 1; k <= Form13::columnCount; ++k) {
        const QRect upper = screen.numberLabel(k)->geometry();
        const QRect lower = screen.answerBox(k)->geometry();
        QCOMPARE(screen.answerBox(k)->objectName(), name(k));
        QCOMPARE(upper.left(), lower.left());
        QVERIFY(upper.bottom() < lower.top());
        if (k > 1) {
            const QRect line =
                control<QWidget>(&screen, QStringLiteral("Linie%1").arg(k - 1))->geometry();
            QVERIFY(line.left() > screen.answerBox(k - 1)->geometry().right());
            QVERIFY(line.right() < lower.left());
        }
    }
    const QList<QWidget *> below{screen.endButton(), screen.okayButton(),
                                 control<Label>(&screen, name(11))};
    for (QWidget *w : below)
        QVERIFY(w->geometry().top() > screen.answerBox(1)->geometry().bottom());

    // ENDE and back: the next visit starts with a new task, in the same place.
    QTest::mouseClick(screen.endButton(), Qt::LeftButton);
    QVERIFY(!screen.isVisible());
    scriptDraws({1, 2, 3, 4, 5}, 20);
    QTest::mouseClick(control<QPushButton>(&testApp().menu(), QStringLiteral("Befehl14")),
                      Qt::LeftButton);
    QCOMPARE(upperRow(screen), QStringLiteral("1 2 3 4 5"));
}

void OrderingTest::dropFillsAndOverwritesBoxes() {
    TestProgram program;
    Form13 &screen = open(program, {8, 2, 15, 2, 9});
    QVERIFY(drag(screen, 1, 3));
    QCOMPARE(answers(screen), QStringLiteral("||8||"));
    QVERIFY(drag(screen, 3, 3));
    QCOMPARE(answers(screen), QStringLiteral("||15||"));
    // One number may go into several boxes; the upper row never changes.
    QVERIFY(drag(screen, 2, 1));
    QVERIFY(drag(screen, 2, 5));
    QCOMPARE(answers(screen), QStringLiteral("2||15||2"));
    QVERIFY(dropOnto(screen.answerBox(2), *labelDrag(QStringLiteral("9"))));
    QCOMPARE(answers(screen), QStringLiteral("2|9|15||2"));
    QCOMPARE(upperRow(screen), QStringLiteral("8 2 15 3 9"));
}

void OrderingTest::dropElsewhereChangesNothing() {
    TestProgram program;
    Form13 &screen = open(program, {8, 2, 15, 2, 9});
    QVERIFY(drag(screen, 1, 1));
    const auto before = labelCaptions(screen);

    const auto number = labelDrag(QStringLiteral("15"));
    for (int k = 1; k <= Form13::columnCount; ++k)
        QVERIFY(!dropOn(&screen, screen.numberLabel(k), *number));
    QVERIFY(!dropOn(&screen, control<Label>(&screen, name(11)), *number));
    QVERIFY(!dropOn(&screen, control<QWidget>(&screen, QStringLiteral("Linie2")), *number));
    QVERIFY(!dropOn(&screen, screen.okayButton(), *number));
    QVERIFY(!dropAt(&screen, QPoint(2, 2), *number));
    // Another program's text is refused even on an answer box.
    QVERIFY(!dropOn(&screen, screen.answerBox(2), *foreignDrag(QStringLiteral("2"))));
    QVERIFY(!dropOnto(screen.answerBox(3), *foreignDrag(QStringLiteral("8"))));
    QCOMPARE(labelCaptions(screen), before);
}

void OrderingTest::equalNumbersFitEitherBox() {
    for (bool swapped : {false, true}) {
        TestProgram program;
        // Drawn 5 4 4 1 2 shows 5 4 5 1 2; sorted 1 2 4 5 5.
        Form13 &screen = open(program, {5, 4, 4, 1, 2});
        QCOMPARE(upperRow(screen), QStringLiteral("5 4 5 1 2"));
        QCOMPARE(sortedField(), (OrderingRow{1, 2, 4, 5, 5}));
        QVERIFY(drag(screen, 4, 1));
        QVERIFY(drag(screen, 5, 2));
        QVERIFY(drag(screen, 2, 3));
        QVERIFY(drag(screen, swapped ? 3 : 1, 4));
        QVERIFY(drag(screen, swapped ? 1 : 3, 5));

        ModalBoxes boxes({"OK"});
        scriptDraws({6, 7, 8, 9, 10}, 20);
        QTest::mouseClick(screen.okayButton(), Qt::LeftButton);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
        QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
        QCOMPARE(boxes.last().icon, QMessageBox::Information);
        QCOMPARE(boxes.last().buttons, QStringList{"OK"});
        QCOMPARE(answers(screen), QStringLiteral("||||"));
        QCOMPARE(upperRow(screen), QStringLiteral("6 7 8 9 10"));
    }
}

void OrderingTest::wrongOrIncompleteAnswerKeepsBoxes() {
    TestProgram program;
    Form13 &screen = open(program, {8, 2, 15, 2, 9}); // shows 8 2 15 3 9
    ModalBoxes boxes;
    auto check = [&] {
        boxes.answer({"OK"});
        QTest::mouseClick(screen.okayButton(), Qt::LeftButton);
    };
    // Four boxes filled rightly, the last one empty.
    QVERIFY(drag(screen, 2, 1));
    QVERIFY(drag(screen, 4, 2));
    QVERIFY(drag(screen, 1, 3));
    QVERIFY(drag(screen, 5, 4));
    check();
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(answers(screen), QStringLiteral("2|3|8|9|"));

    // The 9 twice, though it occurs once.
    QVERIFY(drag(screen, 5, 5));
    check();
    QCOMPARE(answers(screen), QStringLiteral("2|3|8|9|9"));

    // Correcting the one box is enough.
    QVERIFY(drag(screen, 3, 5));
    scriptDraws({1, 2, 3, 4, 5}, 20);
    check();
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe", "Zahleingabe", "Zahleingabe 1/20"}));
    QCOMPARE(boxes.unexpected, 0);
}

void OrderingTest::noKeyChecks() {
    TestProgram program;
    Form13 &screen = open(program, {8, 2, 15, 2, 9});
    QVERIFY(drag(screen, 1, 1));
    const auto before = labelCaptions(screen);
    ModalBoxes boxes;
    screen.okayButton()->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_1, Qt::Key_Backspace})
        QTest::keyClick(screen.okayButton(), key);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_7})
        QTest::keyClick(screen.answerBox(1), key);
    QCOMPARE(boxes.seen.size(), 0);
    QCOMPARE(labelCaptions(screen), before);
}

QTEST_MAIN(OrderingTest)
#include "test_ordering.moc"
