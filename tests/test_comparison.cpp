// The comparison screen: a task on the screen, drops onto the squares, the
// check through the real screen and its boxes.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"
#include "drop_events.h"

#include "core/NumberText.h"
#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/relations/ComparisonScreen.h"

#include <QPushButton>
#include <QTest>

namespace {

void scriptNumbers(const QList<int> &numbers, int range) {
    QList<double> fractions;
    for (int n : numbers)
        fractions << fractionFor(n, range);
    Random::script(fractions);
}

QString name(int number) {
    return QStringLiteral("Bezeichnung%1").arg(number);
}

QString squares(ComparisonScreen &screen) {
    QStringList s;
    for (int k = 1; k <= ComparisonScreen::squareCount; ++k)
        s << screen.square(k)->text();
    return s.join(QLatin1Char('|'));
}

} // namespace

class ComparisonTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void taskShowsNumbersAndExpectedSigns_data();
    void taskShowsNumbersAndExpectedSigns();
    void rowLayout();

    void dropFillsAndOverwritesSquares();
    void dropElsewhereChangesNothing();
    void foreignDropIsRefused();

    void correctAnswerCountsAndBuildsNextTask();
    void wrongAnswerKeepsSquares();
    void emptySquareIsWrong();
    void onlyEnterReachesTheCheck();

private:
    // Opens the comparison exercise from the menu with these five numbers.
    ComparisonScreen &open(TestProgram &program, const QList<int> &numbers,
                           const QByteArray &range = " 1 \r\n");
};

ComparisonScreen &ComparisonTest::open(TestProgram &program, const QList<int> &numbers,
                                       const QByteArray &range) {
    program.writeSettings(range);
    MenuScreen &menu = program.start();
    scriptNumbers(numbers, testApp().session().range());
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl10")), Qt::LeftButton);
    return testApp().comparison();
}

void ComparisonTest::taskShowsNumbersAndExpectedSigns_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("signs");
    QTest::addRow("range 20, equal pair") << 20 << QList<int>{3, 8, 5, 5, 9} << "<>=<";
    QTest::addRow("range 1000000") << 1000000 << QList<int>{1000000, 7, 7, 65432, 1} << ">=<>";
}

void ComparisonTest::taskShowsNumbersAndExpectedSigns() {
    QFETCH(int, range);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, signs);
    TestProgram program;
    testApp().session().setRange(range);
    ComparisonScreen &screen = testApp().comparison();
    for (int k = 1; k <= ComparisonScreen::squareCount; ++k)
        screen.square(k)->setText(QStringLiteral(">"));

    scriptNumbers(numbers, range);
    screen.newTask();

    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(squares(screen), QStringLiteral("|||"));
    for (int k = 1; k <= ComparisonScreen::numberCount; ++k) {
        QCOMPARE(screen.numberLabel(k)->objectName(), name(4 + k));
        QCOMPARE(screen.numberLabel(k)->text(),
                 NumberText::digits(numbers[k - 1])); // no leading blank
    }
    QCOMPARE(screen.task().expectedSigns, signs);
}

void ComparisonTest::rowLayout() {
    TestProgram program;
    ComparisonScreen &screen = open(program, {1, 2, 3, 4, 5});
    QCOMPARE(screen.windowTitle(), QStringLiteral("ZUB-Zahlen bis 20"));
    QCOMPARE(
        control<Label>(&screen, name(4))->text(),
        QStringLiteral(
            "Die Zeichen mit der Maus verschieben oder < = > tippen, die Rücktaste löscht ..."));

    // One row: each square between the two numbers it compares.
    const int row[] = {5, 10, 6, 11, 7, 12, 8, 13, 9};
    for (size_t i = 1; i < std::size(row); ++i) {
        const QRect left = control<Label>(&screen, name(row[i - 1]))->geometry();
        const QRect right = control<Label>(&screen, name(row[i]))->geometry();
        QVERIFY2(left.right() < right.left(), qPrintable(name(row[i])));
        QCOMPARE(left.center().y(), right.center().y());
    }
    // Below the row: ENDE, ">", "=", "<", OKAY; the hint below them.
    const QRect number = control<Label>(&screen, name(5))->geometry();
    QList<QWidget *> below{screen.endButton(), control<Label>(&screen, name(1)),
                           control<Label>(&screen, name(2)), control<Label>(&screen, name(3)),
                           screen.okayButton()};
    for (qsizetype i = 0; i < below.size(); ++i) {
        QVERIFY(below[i]->geometry().top() > number.bottom());
        if (i > 0)
            QVERIFY(below[i - 1]->geometry().right() < below[i]->geometry().left());
    }
    QCOMPARE(control<Label>(&screen, name(1))->text(), QStringLiteral(">"));
    QCOMPARE(control<Label>(&screen, name(2))->text(), QStringLiteral("="));
    QCOMPARE(control<Label>(&screen, name(3))->text(), QStringLiteral("<"));
    QVERIFY(control<Label>(&screen, name(4))->geometry().top() >
            screen.okayButton()->geometry().bottom());
    QVERIFY(control<QWidget>(&screen, QStringLiteral("Figur1"))->geometry().contains(number));
}

void ComparisonTest::dropFillsAndOverwritesSquares() {
    TestProgram program;
    ComparisonScreen &screen = open(program, {3, 8, 5, 5, 9});
    QCOMPARE(squares(screen), QStringLiteral("|||"));

    QVERIFY(dropOn(&screen, screen.square(2), *labelDrag(QStringLiteral(">"))));
    QCOMPARE(squares(screen), QStringLiteral("|>||"));
    QVERIFY(dropOn(&screen, screen.square(2), *labelDrag(QStringLiteral("="))));
    QCOMPARE(squares(screen), QStringLiteral("|=||"));
    // One sign may go into several squares; the sign labels stay as they are.
    QVERIFY(dropOn(&screen, screen.square(1), *labelDrag(QStringLiteral("<"))));
    QVERIFY(dropOn(&screen, screen.square(4), *labelDrag(QStringLiteral("<"))));
    QCOMPARE(squares(screen), QStringLiteral("<|=||<"));
    // Straight onto the square as well as through the window.
    QVERIFY(dropOnto(screen.square(3), *labelDrag(QStringLiteral(">"))));
    QCOMPARE(squares(screen), QStringLiteral("<|=|>|<"));
    QCOMPARE(control<Label>(&screen, name(1))->text(), QStringLiteral(">"));
    QCOMPARE(control<Label>(&screen, name(3))->text(), QStringLiteral("<"));
}

void ComparisonTest::dropElsewhereChangesNothing() {
    TestProgram program;
    ComparisonScreen &screen = open(program, {3, 8, 5, 5, 9});
    QVERIFY(dropOn(&screen, screen.square(1), *labelDrag(QStringLiteral("<"))));
    const auto before = labelCaptions(screen);

    const auto sign = labelDrag(QStringLiteral(">"));
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9})
        QVERIFY2(!dropOn(&screen, control<Label>(&screen, name(number)), *sign),
                 qPrintable(name(number)));
    QVERIFY(!dropOn(&screen, screen.okayButton(), *sign));
    QVERIFY(!dropOn(&screen, screen.endButton(), *sign));
    // The band around the row, just above the squares, and the bare background.
    const QRect band = control<QWidget>(&screen, QStringLiteral("Figur1"))->geometry();
    QVERIFY(
        !dropAt(&screen, QPoint(screen.square(1)->geometry().center().x(), band.top() + 2), *sign));
    QVERIFY(!dropAt(&screen, QPoint(2, screen.height() - 2), *sign));
    QCOMPARE(labelCaptions(screen), before);
}

void ComparisonTest::foreignDropIsRefused() {
    TestProgram program;
    ComparisonScreen &screen = open(program, {3, 8, 5, 5, 9});
    QVERIFY(!dropOn(&screen, screen.square(1), *foreignDrag(QStringLiteral("<"))));
    QVERIFY(!dropOnto(screen.square(2), *foreignDrag(QStringLiteral(">"))));
    QCOMPARE(squares(screen), QStringLiteral("|||"));
}

void ComparisonTest::correctAnswerCountsAndBuildsNextTask() {
    TestProgram program;
    ComparisonScreen &screen = open(program, {3, 8, 5, 5, 9});
    QCOMPARE(screen.task().expectedSigns, QStringLiteral("<>=<"));
    const QStringList answer{"<", ">", "=", "<"};
    for (int k = 1; k <= 4; ++k)
        QVERIFY(dropOn(&screen, screen.square(k), *labelDrag(answer[k - 1])));

    ModalBoxes boxes({"OK"});
    scriptNumbers({12, 12, 1, 20, 2}, 20);
    QTest::mouseClick(screen.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    QCOMPARE(boxes.last().buttons, QStringList{"OK"});

    // The next task is in place, the squares are empty again.
    QCOMPARE(squares(screen), QStringLiteral("|||"));
    QCOMPARE(screen.numberLabel(1)->text(), QStringLiteral("12"));
    QCOMPARE(screen.numberLabel(4)->text(), QStringLiteral("20"));
    QCOMPARE(screen.task().expectedSigns, QStringLiteral("=><>"));

    // Enter checks as OKAY does.
    for (int k = 1; k <= 4; ++k)
        QVERIFY(dropOn(&screen, screen.square(k),
                       *labelDrag(screen.task().expectedSigns.mid(k - 1, 1))));
    boxes.answer({"OK"});
    scriptNumbers({1, 1, 1, 1, 1}, 20);
    QTest::keyClick(screen.okayButton(), Qt::Key_Return);
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe 1/20", "Zahleingabe 2/20"}));
    QCOMPARE(screen.task().expectedSigns, QStringLiteral("===="));
    QCOMPARE(boxes.unexpected, 0);
}

void ComparisonTest::wrongAnswerKeepsSquares() {
    TestProgram program;
    ComparisonScreen &screen = open(program, {3, 8, 5, 5, 9});
    const QStringList answer{"<", ">", "<", "<"}; // 5 and 5 need "="
    for (int k = 1; k <= 4; ++k)
        QVERIFY(dropOn(&screen, screen.square(k), *labelDrag(answer[k - 1])));

    ModalBoxes boxes({"OK"});
    QTest::mouseClick(screen.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(boxes.last().buttons, QStringList{"OK"});
    QCOMPARE(squares(screen), QStringLiteral("<|>|<|<"));
    QCOMPARE(screen.numberLabel(3)->text(), QStringLiteral("5"));

    // Correcting the one square is enough.
    QVERIFY(dropOn(&screen, screen.square(3), *labelDrag(QStringLiteral("="))));
    boxes.answer({"OK"});
    Random::script({0.1, 0.1, 0.1, 0.1, 0.1});
    QTest::mouseClick(screen.okayButton(), Qt::LeftButton);
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe", "Zahleingabe 1/20"}));
    QCOMPARE(boxes.unexpected, 0);
}

void ComparisonTest::emptySquareIsWrong() {
    TestProgram program;
    ComparisonScreen &screen = open(program, {3, 8, 5, 5, 9});
    // With the third square empty the joined answer is "<><", one sign short.
    for (int k : {1, 2, 4})
        QVERIFY(dropOn(&screen, screen.square(k),
                       *labelDrag(screen.task().expectedSigns.mid(k - 1, 1))));
    ModalBoxes boxes({"OK"});
    QTest::keyClick(screen.okayButton(), Qt::Key_Return);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe"});
    QCOMPARE(squares(screen), QStringLiteral("<|>||<"));
}

void ComparisonTest::onlyEnterReachesTheCheck() {
    TestProgram program;
    ComparisonScreen &screen = open(program, {3, 8, 5, 5, 9});
    QVERIFY(dropOn(&screen, screen.square(1), *labelDrag(QStringLiteral("<"))));
    const auto before = labelCaptions(screen);
    ModalBoxes boxes;
    // The signs and Backspace have keys of their own (see test_keyboard).
    for (Qt::Key key : {Qt::Key_1, Qt::Key_0, Qt::Key_A})
        QTest::keyClick(screen.square(1), key);
    QCOMPARE(labelCaptions(screen), before);
    QCOMPARE(boxes.seen.size(), 0);

    boxes.answer({"OK"});
    QTest::keyClick(screen.square(1), Qt::Key_Enter);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe"});
}

QTEST_MAIN(ComparisonTest)
#include "test_comparison.moc"
