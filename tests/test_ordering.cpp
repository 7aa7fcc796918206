// The ordering screen: the row on the screen, drops onto the answer boxes and
// the check through the real screen and its boxes.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"
#include "drop_events.h"

#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/relations/OrderingScreen.h"

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

QString upperRow(OrderingScreen &screen) {
    QStringList row;
    for (int k = 1; k <= OrderingScreen::columnCount; ++k)
        row << screen.numberLabel(k)->text();
    return row.join(QLatin1Char(' '));
}

QString answers(OrderingScreen &screen) {
    return screen.answerCaptions().join(QLatin1Char('|'));
}

// Drags the k-th number of the upper row into answer box `box`.
bool drag(OrderingScreen &screen, int k, int box) {
    return dropOn(&screen, screen.answerBox(box), *labelDrag(screen.numberLabel(k)->text()));
}

} // namespace

class OrderingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void openingFromMenu();
    void dropFillsAndOverwritesBoxes();
    void dropElsewhereChangesNothing();
    void equalNumbersFitEitherBox();
    void wrongOrIncompleteAnswerKeepsBoxes();
    void noKeyChecks();

private:
    OrderingScreen &open(TestProgram &program, const OrderingRow &draws);
};

OrderingScreen &OrderingTest::open(TestProgram &program, const OrderingRow &draws) {
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    scriptDraws(draws, testApp().session().range());
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl14")), Qt::LeftButton);
    return testApp().ordering();
}

void OrderingTest::openingFromMenu() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    program.start();
    OrderingScreen &screen = testApp().ordering();
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
    QCOMPARE(control<Label>(&screen, name(11))->text(),
             QStringLiteral("Mit der Maus verschieben oder mit ← → und Leertaste"));

    // Each number stands above its answer box; lines join neighbouring boxes.
    for (int k = 1; k <= OrderingScreen::columnCount; ++k) {
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
    OrderingScreen &screen = open(program, {8, 2, 15, 2, 9});
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
    OrderingScreen &screen = open(program, {8, 2, 15, 2, 9});
    QVERIFY(drag(screen, 1, 1));
    const auto before = labelCaptions(screen);

    const auto number = labelDrag(QStringLiteral("15"));
    for (int k = 1; k <= OrderingScreen::columnCount; ++k)
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
        OrderingScreen &screen = open(program, {5, 4, 4, 1, 2});
        QCOMPARE(upperRow(screen), QStringLiteral("5 4 5 1 2"));
        QCOMPARE(screen.task().sorted, (OrderingRow{1, 2, 4, 5, 5}));
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
    OrderingScreen &screen = open(program, {8, 2, 15, 2, 9}); // shows 8 2 15 3 9
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
    OrderingScreen &screen = open(program, {8, 2, 15, 2, 9});
    QVERIFY(drag(screen, 1, 1));
    const auto before = labelCaptions(screen);
    ModalBoxes boxes;
    screen.okayButton()->setFocus();
    // Backspace takes a number back (see test_keyboard).
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_1})
        QTest::keyClick(screen.okayButton(), key);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_7})
        QTest::keyClick(screen.answerBox(1), key);
    QCOMPARE(boxes.seen.size(), 0);
    QCOMPARE(labelCaptions(screen), before);
}

QTEST_MAIN(OrderingTest)
#include "test_ordering.moc"
