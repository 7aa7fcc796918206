// The rules of an ordering task: the raise pass over the draws, the sort,
// the numbers as shown, and the check box by box by value.
#include "core/Random.h"
#include "core/relations/OrderingRules.h"

#include <QTest>

Q_DECLARE_METATYPE(OrderingRow)

namespace {

// Scripts the fractions that make Random::draw(range) give these numbers.
void scriptDraws(const OrderingRow &numbers, int range) {
    QList<double> fractions;
    for (int n : numbers)
        fractions << (n - 0.5) / range;
    Random::script(fractions);
}

} // namespace

class OrderingRulesTest : public QObject {
    Q_OBJECT
private slots:
    void raisePass_data();
    void raisePass();
    void sortIsNumeric_data();
    void sortIsNumeric();
    void taskShownAsDrawnSortedForTheCheck_data();
    void taskShownAsDrawnSortedForTheCheck();
    void checkComparesValues_data();
    void checkComparesValues();
};

void OrderingRulesTest::raisePass_data() {
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

void OrderingRulesTest::raisePass() {
    QFETCH(int, range);
    QFETCH(OrderingRow, draws);
    QFETCH(OrderingRow, numbers);
    scriptDraws(draws, range);
    QCOMPARE(OrderingRules::drawNumbers(range), numbers);
    QCOMPARE(Random::scriptLeft(), 0);
}

void OrderingRulesTest::sortIsNumeric_data() {
    QTest::addColumn<OrderingRow>("numbers");
    QTest::addColumn<OrderingRow>("sorted");
    QTest::addRow("digit counts differ")
        << OrderingRow{9, 100, 24, 1000000, 10} << OrderingRow{9, 10, 24, 100, 1000000};
    QTest::addRow("equal numbers stay") << OrderingRow{5, 4, 5, 1, 2} << OrderingRow{1, 2, 4, 5, 5};
    QTest::addRow("above the range")
        << OrderingRow{20, 21, 22, 23, 24} << OrderingRow{20, 21, 22, 23, 24};
}

void OrderingRulesTest::sortIsNumeric() {
    QFETCH(OrderingRow, numbers);
    QFETCH(OrderingRow, sorted);
    QCOMPARE(OrderingRules::sortedAscending(numbers), sorted);
}

void OrderingRulesTest::taskShownAsDrawnSortedForTheCheck_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<OrderingRow>("draws");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<OrderingRow>("sorted");
    QTest::addRow("raised twenty")
        << 20 << OrderingRow{20, 20, 3, 11, 5} << QStringList{"20", "21", "3", "11", "5"}
        << OrderingRow{3, 5, 11, 20, 21};
    QTest::addRow("no blanks before large numbers")
        << 1000000 << OrderingRow{1000000, 40, 7, 93, 12}
        << QStringList{"1000000", "40", "7", "93", "12"} << OrderingRow{7, 12, 40, 93, 1000000};
}

void OrderingRulesTest::taskShownAsDrawnSortedForTheCheck() {
    QFETCH(int, range);
    QFETCH(OrderingRow, draws);
    QFETCH(QStringList, shown);
    QFETCH(OrderingRow, sorted);
    scriptDraws(draws, range);
    const OrderingTask task = OrderingRules::drawTask(range);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(OrderingRules::shownTexts(task), shown);
    QCOMPARE(task.sorted, sorted);
}

void OrderingRulesTest::checkComparesValues_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("correct");
    // The sorted numbers are always 1 2 4 5 5 here.
    QTest::addRow("in order") << QStringList{"1", "2", "4", "5", "5"} << true;
    QTest::addRow("value, not text") << QStringList{"01", " 2", "4", "5", "5"} << true;
    QTest::addRow("one box empty") << QStringList{"1", "2", "", "5", "5"} << false;
    QTest::addRow("single number twice") << QStringList{"1", "2", "2", "5", "5"} << false;
    QTest::addRow("largest first") << QStringList{"5", "5", "4", "2", "1"} << false;
    QTest::addRow("all empty") << QStringList{"", "", "", "", ""} << false;
    QTest::addRow("a box short") << QStringList{"1", "2", "4", "5"} << false;
}

void OrderingRulesTest::checkComparesValues() {
    QFETCH(QStringList, boxes);
    QFETCH(bool, correct);
    OrderingTask task;
    task.sorted = {1, 2, 4, 5, 5};
    QCOMPARE(OrderingRules::isRight(task, boxes), correct);
}

QTEST_GUILESS_MAIN(OrderingRulesTest)
#include "test_ordering_rules.moc"
