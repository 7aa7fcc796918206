// The rules of a neighbours task: the neighbour at each place, the places a
// range allows, the draws of a task and the text comparison of the answer.
#include "core/Random.h"
#include "core/Session.h"
#include "core/relations/NeighboursRules.h"

#include <QTest>

using Kind = NeighboursTask::Kind;

class NeighboursRulesTest : public QObject {
    Q_OBJECT
private slots:
    void neighbour_data();
    void neighbour();
    void placesAllowedByRange_data();
    void placesAllowedByRange();
    void kindDrawnWithEqualChance_data();
    void kindDrawnWithEqualChance();
    void taskDrawsNumberThenKind_data();
    void taskDrawsNumberThenKind();
    void answerComparedAsText_data();
    void answerComparedAsText();
};

void NeighboursRulesTest::neighbour_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("predecessor");
    QTest::addColumn<int>("successor");
    QTest::addRow("47 E") << 47 << "E" << 46 << 48;
    QTest::addRow("47 Z") << 47 << "Z" << 40 << 50;
    QTest::addRow("40 Z") << 40 << "Z" << 40 << 50;
    QTest::addRow("1 E") << 1 << "E" << 0 << 2;
    QTest::addRow("5 Z") << 5 << "Z" << 0 << 10;
    QTest::addRow("19 Z") << 19 << "Z" << 10 << 20;
    QTest::addRow("95 Z") << 95 << "Z" << 90 << 100;
    QTest::addRow("347 H") << 347 << "H" << 300 << 400;
    QTest::addRow("300 H") << 300 << "H" << 300 << 400;
    QTest::addRow("999 H") << 999 << "H" << 900 << 1000;
    QTest::addRow("4321 T") << 4321 << "T" << 4000 << 5000;
    QTest::addRow("57 T") << 57 << "T" << 0 << 1000;
    QTest::addRow("9999 T") << 9999 << "T" << 9000 << 10000;
    QTest::addRow("999999 T") << 999999 << "T" << 999000 << 1000000;
    QTest::addRow("10 E") << 10 << "E" << 9 << 11;
}

void NeighboursRulesTest::neighbour() {
    QFETCH(int, number);
    QFETCH(QString, place);
    QFETCH(int, predecessor);
    QFETCH(int, successor);
    QCOMPARE(NeighboursRules::expectedNeighbour(number, place, Kind::Predecessor), predecessor);
    QCOMPARE(NeighboursRules::expectedNeighbour(number, place, Kind::Successor), successor);
}

void NeighboursRulesTest::placesAllowedByRange_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<bool>("hundreds");
    QTest::addColumn<bool>("thousands");
    QTest::addRow("20") << 20 << false << false;
    QTest::addRow("100") << 100 << false << false;
    QTest::addRow("1000") << 1000 << true << false;
    QTest::addRow("10000") << 10000 << true << true;
    QTest::addRow("100000") << 100000 << true << true;
    QTest::addRow("1000000") << 1000000 << true << true;
}

void NeighboursRulesTest::placesAllowedByRange() {
    QFETCH(int, range);
    QFETCH(bool, hundreds);
    QFETCH(bool, thousands);
    QVERIFY(NeighboursRules::placeAllowed(QStringLiteral("E"), range));
    QVERIFY(NeighboursRules::placeAllowed(QStringLiteral("Z"), range));
    QCOMPARE(NeighboursRules::placeAllowed(QStringLiteral("H"), range), hundreds);
    QCOMPARE(NeighboursRules::placeAllowed(QStringLiteral("T"), range), thousands);
}

void NeighboursRulesTest::kindDrawnWithEqualChance_data() {
    QTest::addColumn<double>("fraction");
    QTest::addColumn<bool>("predecessor");
    QTest::addRow("0") << 0.0 << true;
    QTest::addRow("just below a half") << 0.4999 << true;
    QTest::addRow("a half") << 0.5 << false;
    QTest::addRow("just below one") << 0.9999 << false;
}

void NeighboursRulesTest::kindDrawnWithEqualChance() {
    QFETCH(double, fraction);
    QFETCH(bool, predecessor);
    Random::script({fraction});
    QCOMPARE(NeighboursRules::drawKind(), predecessor ? Kind::Predecessor : Kind::Successor);
    QCOMPARE(Random::scriptLeft(), 0);
}

void NeighboursRulesTest::taskDrawsNumberThenKind_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("numberFraction");
    QTest::addColumn<double>("kindFraction");
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("predecessor");
    QTest::addColumn<int>("expected");
    QTest::addRow("E successor of 12") << 20 << 0.575 << 0.75 << "E" << 12 << false << 13;
    QTest::addRow("the range itself shows one less")
        << 20 << 0.99 << 0.75 << "E" << 19 << false << 20;
    QTest::addRow("Z predecessor of 47") << 100 << 0.465 << 0.25 << "Z" << 47 << true << 40;
    QTest::addRow("T successor, any range")
        << 1000000 << 0.0043205 << 0.75 << "T" << 4321 << false << 5000;
}

void NeighboursRulesTest::taskDrawsNumberThenKind() {
    QFETCH(int, range);
    QFETCH(double, numberFraction);
    QFETCH(double, kindFraction);
    QFETCH(QString, place);
    QFETCH(int, shown);
    QFETCH(bool, predecessor);
    QFETCH(int, expected);
    Session session;
    session.setRange(range);
    Random::script({numberFraction, kindFraction});
    const NeighboursTask task = NeighboursRules::drawTask(session, place);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(task.shown, shown);
    QCOMPARE(task.kind, predecessor ? Kind::Predecessor : Kind::Successor);
    QCOMPARE(task.place, place);
    QCOMPARE(task.expected, expected);
    QCOMPARE(NeighboursRules::answerTitle(place, task.kind),
             place + (predecessor ? QStringLiteral("-Vorgänger") : QStringLiteral("-Nachfolger")));
}

void NeighboursRulesTest::answerComparedAsText_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::addRow("the digits") << "48" << true;
    QTest::addRow("a leading zero") << "048" << false;
    QTest::addRow("a leading blank") << " 48" << false;
    QTest::addRow("empty") << "" << false;
}

void NeighboursRulesTest::answerComparedAsText() {
    QFETCH(QString, answer);
    QFETCH(bool, right);
    NeighboursTask task;
    task.expected = 48;
    QCOMPARE(NeighboursRules::isRight(task, answer), right);
}

QTEST_GUILESS_MAIN(NeighboursRulesTest)
#include "test_neighbours_rules.moc"
