// The decomposition's rule: a number as the sum of its place values.
#include "core/structure/DecompositionRules.h"

#include <QTest>

class DecompositionRulesTest : public QObject {
    Q_OBJECT
private slots:
    void sums_data();
    void sums();
};

void DecompositionRulesTest::sums_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("sum");
    QTest::addRow("7") << 7 << "7";
    QTest::addRow("1") << 1 << "1";
    QTest::addRow("10") << 10 << "10";
    QTest::addRow("105") << 105 << "100+5";
    QTest::addRow("304") << 304 << "300+4";
    QTest::addRow("500") << 500 << "500";
    QTest::addRow("3407") << 3407 << "3000+400+7";
    QTest::addRow("90210") << 90210 << "90000+200+10";
    QTest::addRow("1000000") << 1000000 << "1000000";
    QTest::addRow("999999") << 999999 << "900000+90000+9000+900+90+9";
}

void DecompositionRulesTest::sums() {
    QFETCH(int, number);
    QFETCH(QString, sum);
    QCOMPARE(DecompositionRules::placeValueSum(number), sum);
}

QTEST_GUILESS_MAIN(DecompositionRulesTest)
#include "test_decomposition_rules.moc"
