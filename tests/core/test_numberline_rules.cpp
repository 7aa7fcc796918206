// The number line's rules: the steps refused per range, where the line lies
// for every range and step, and the draw that falls back to step 1.
#include "core/Random.h"
#include "core/Session.h"
#include "core/structure/NumberLineRules.h"

#include <QTest>

namespace {
const int ranges[] = {20, 100, 1000, 10000, 100000, 1000000};
}

class NumberLineRulesTest : public QObject {
    Q_OBJECT
private slots:
    void tooLarge_data();
    void tooLarge();
    void bounds_data();
    void bounds();
    void examples_data();
    void examples();
    void drawFallsBackToStepOne();
};

void NumberLineRulesTest::tooLarge_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<int>>("allowed"); // the steps that are not refused
    QTest::addRow("20") << 20 << QList<int>{1};
    QTest::addRow("100") << 100 << QList<int>{1, 2, 5};
    QTest::addRow("1000") << 1000 << QList<int>{1, 2, 5, 10};
    QTest::addRow("10000") << 10000 << QList<int>{1, 2, 5, 10, 20, 50, 100};
    QTest::addRow("100000") << 100000 << QList<int>{1, 2, 5, 10, 20, 50, 100};
    QTest::addRow("1000000") << 1000000 << QList<int>{1, 2, 5, 10, 20, 50, 100};
}

void NumberLineRulesTest::tooLarge() {
    QFETCH(int, range);
    QFETCH(QList<int>, allowed);
    for (int step : NumberLineRules::steps)
        QCOMPARE(NumberLineRules::stepTooLarge(range, step), !allowed.contains(step));
}

void NumberLineRulesTest::bounds_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("step");
    for (int range : ranges)
        for (int step : NumberLineRules::steps)
            if (!NumberLineRules::stepTooLarge(range, step))
                QTest::addRow("%d step %d", range, step) << range << step;
}

void NumberLineRulesTest::bounds() {
    QFETCH(int, range);
    QFETCH(int, step);
    const qint64 low = 6 * step;
    const qint64 high = range - 6 * step;
    for (qint64 drawn : {qint64(1), low - 1, low, low + 1, qint64(range / 2 + 1), high - 1, high,
                         high + 1, qint64(range)}) {
        const NumberLineTask line = NumberLineRules::place(drawn, range, step);
        QVERIFY2(line.middle >= low && line.middle <= high, qPrintable(QString::number(drawn)));
        if (drawn >= low && drawn <= high)
            QCOMPARE(line.middle, drawn); // any whole number, not only multiples of the step
        QCOMPARE(line.leftEnd, line.middle - 5 * step);
        QCOMPARE(line.rightEnd, line.middle + 5 * step);
        QVERIFY(line.leftEnd >= step);
        QVERIFY(line.rightEnd <= range - step);
        QCOMPARE(line.expected, QString::number(line.middle));
    }
}

void NumberLineRulesTest::examples_data() {
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("leftEnd");
    QTest::addColumn<int>("middle");
    QTest::addColumn<int>("rightEnd");
    QTest::addRow("17 of 20") << 17 << 20 << 1 << 9 << 14 << 19;
    QTest::addRow("1 of 1000 step 10") << 1 << 1000 << 10 << 10 << 60 << 110;
    QTest::addRow("1000 of 1000 step 10") << 1000 << 1000 << 10 << 890 << 940 << 990;
    QTest::addRow("1 of 10000 step 100") << 1 << 10000 << 100 << 100 << 600 << 1100;
    QTest::addRow("9999 of 10000 step 100") << 9999 << 10000 << 100 << 8900 << 9400 << 9900;
}

void NumberLineRulesTest::examples() {
    QFETCH(int, drawn);
    QFETCH(int, range);
    QFETCH(int, step);
    QFETCH(int, leftEnd);
    QFETCH(int, middle);
    QFETCH(int, rightEnd);
    const NumberLineTask line = NumberLineRules::place(drawn, range, step);
    QCOMPARE(line.leftEnd, leftEnd);
    QCOMPARE(line.middle, middle);
    QCOMPARE(line.rightEnd, rightEnd);
    QCOMPARE(line.step, step);
}

void NumberLineRulesTest::drawFallsBackToStepOne() {
    Session session;
    session.setRange(1000);
    // One number is drawn whether the step is taken or refused.
    Random::script({(1000 - 0.5) / 1000});
    const NumberLineTask refused = NumberLineRules::draw(session, 20);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(refused.step, 1);
    QCOMPARE(refused.middle, 994);
    Random::script({(500 - 0.5) / 1000});
    const NumberLineTask taken = NumberLineRules::draw(session, 10);
    QCOMPARE(taken.step, 10);
    QCOMPARE(taken.middle, 500);
    QVERIFY(NumberLineRules::isRight(taken, QStringLiteral("500")));
    QVERIFY(!NumberLineRules::isRight(taken, QStringLiteral("0500")));
}

QTEST_GUILESS_MAIN(NumberLineRulesTest)
#include "test_numberline_rules.moc"
