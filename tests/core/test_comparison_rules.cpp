// The rules of a comparison task: the signs a row calls for, the five draws
// of a task and the comparison of the joined squares.
#include "core/Random.h"
#include "core/Session.h"
#include "core/relations/ComparisonRules.h"

#include <QTest>

class ComparisonRulesTest : public QObject {
    Q_OBJECT
private slots:
    void signsForRow_data();
    void signsForRow();
    void taskDrawsFiveNumbers_data();
    void taskDrawsFiveNumbers();
    void answerIsTheJoinedSigns_data();
    void answerIsTheJoinedSigns();
};

void ComparisonRulesTest::signsForRow_data() {
    QTest::addColumn<QList<int>>("row");
    QTest::addColumn<QString>("signs");
    QTest::addRow("mixed with an equal pair") << QList<int>{3, 8, 5, 5, 9} << "<>=<";
    QTest::addRow("all equal") << QList<int>{7, 7, 7, 7, 7} << "====";
    QTest::addRow("rising") << QList<int>{1, 2, 3, 4, 5} << "<<<<";
    QTest::addRow("falling") << QList<int>{20, 19, 2, 1, 0} << ">>>>";
    QTest::addRow("equal neighbours at both ends") << QList<int>{4, 4, 9, 12, 12} << "=<<=";
    QTest::addRow("more digits is not more") << QList<int>{9, 10, 100, 99, 1000000} << "<<><";
    QTest::addRow("single number") << QList<int>{5} << "";
}

void ComparisonRulesTest::signsForRow() {
    QFETCH(QList<int>, row);
    QFETCH(QString, signs);
    QCOMPARE(ComparisonRules::signs(row), signs);
}

void ComparisonRulesTest::taskDrawsFiveNumbers_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("signs");
    QTest::addRow("range 20, equal pair") << 20 << QList<int>{3, 8, 5, 5, 9} << "<>=<";
    QTest::addRow("range 20, all twenty") << 20 << QList<int>{20, 20, 20, 20, 20} << "====";
    QTest::addRow("range 1000") << 1000 << QList<int>{999, 1000, 1, 500, 500} << "<><=";
    QTest::addRow("range 1000000") << 1000000 << QList<int>{1000000, 7, 7, 65432, 1} << ">=<>";
}

void ComparisonRulesTest::taskDrawsFiveNumbers() {
    QFETCH(int, range);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, signs);
    Session session;
    session.setRange(range);
    QList<double> fractions;
    for (int n : numbers)
        fractions << (n - 0.5) / range;
    Random::script(fractions);
    const ComparisonTask task = ComparisonRules::drawTask(session);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(task.numbers, numbers);
    QCOMPARE(task.expectedSigns, signs);
}

void ComparisonRulesTest::answerIsTheJoinedSigns_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::addRow("all four") << "<>=<" << true;
    QTest::addRow("one wrong") << "<><<" << false;
    QTest::addRow("one square empty") << "<><" << false;
    QTest::addRow("nothing") << "" << false;
}

void ComparisonRulesTest::answerIsTheJoinedSigns() {
    QFETCH(QString, answer);
    QFETCH(bool, right);
    ComparisonTask task;
    task.expectedSigns = QStringLiteral("<>=<");
    QCOMPARE(ComparisonRules::isRight(task, answer), right);
}

QTEST_GUILESS_MAIN(ComparisonRulesTest)
#include "test_comparison_rules.moc"
