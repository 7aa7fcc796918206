// The number family's rules: the shuffle that redraws repeats, the families
// of every range and the one member to find.
#include "Fractions.h"
#include "core/Random.h"
#include "core/structure/NumberFamilyRules.h"

#include <QTest>

#include <algorithm>
#include <set>

namespace {

QList<int> asList(const NumberFamilyTask::Members &members) {
    return QList<int>(members.begin(), members.end());
}

} // namespace

class NumberFamilyRulesTest : public QObject {
    Q_OBJECT
private slots:
    void shuffleRedrawsRepeats();
    void families_data();
    void families();
    void scriptedFamilies_data();
    void scriptedFamilies();
};

void NumberFamilyRulesTest::shuffleRedrawsRepeats() {
    // 3 comes twice and 0 three times: each repeat is drawn again.
    Random::script(digitFractions({3, 3, 0, 0, 0, 1, 2, 4, 5, 6, 7, 8, 9}));
    const NumberFamilyTask::Members digits = NumberFamilyRules::shuffledDigits();
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(asList(digits), (QList<int>{3, 0, 1, 2, 4, 5, 6, 7, 8, 9}));
}

void NumberFamilyRulesTest::families_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("place");   // value of the varying digit
    QTest::addColumn<int>("lowest");  // smallest possible first member
    QTest::addColumn<int>("highest"); // largest possible member
    QTest::addRow("20") << 20 << 1 << 0 << 19;
    QTest::addRow("100") << 100 << 1 << 20 << 99;
    QTest::addRow("1000") << 1000 << 1 << 0 << 999;
    QTest::addRow("10000") << 10000 << 1 << 0 << 9999;
    QTest::addRow("100000") << 100000 << 10 << 0 << 99990;
    QTest::addRow("1000000") << 1000000 << 100 << 0 << 999900;
}

void NumberFamilyRulesTest::families() {
    QFETCH(int, range);
    QFETCH(int, place);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QCOMPARE(NumberFamilyRules::varyingPlace(range), place);
    std::set<int> firstMembers;
    for (quint32 seed = 1; seed <= 300; ++seed) {
        Random::seed(seed);
        const NumberFamilyTask family = NumberFamilyRules::draw(range);
        std::vector<int> members(family.members.begin(), family.members.end());
        std::sort(members.begin(), members.end());
        // Ten members a place apart, starting at a multiple of ten places.
        QCOMPARE(members.front() % (10 * place), 0);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(members[size_t(i)], members.front() + i * place);
        QVERIFY(members.front() >= lowest);
        QVERIFY(members.back() <= highest);
        firstMembers.insert(members.front());
        QCOMPARE(family.expected, QString::number(family.members.back()));
    }
    QVERIFY(firstMembers.size() > 1); // the base is drawn, not fixed
    if (range == 20)
        QCOMPARE(firstMembers, (std::set<int>{0, 10}));
}

void NumberFamilyRulesTest::scriptedFamilies_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("baseFraction");
    QTest::addColumn<QList<int>>("expected"); // the last one is to be found
    QTest::addRow("20 from 0, 0 missing") << 20 << 0.2 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    QTest::addRow("20 from 10") << 20 << 0.7 << QList<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 10};
    QTest::addRow("100 lowest") << 100 << 0.0 << QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 20};
    QTest::addRow("100 highest") << 100 << 0.999
                                 << QList<int>{91, 92, 93, 94, 95, 96, 97, 98, 99, 90};
    QTest::addRow("1000 from 0") << 1000 << 0.0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    QTest::addRow("1000 highest") << 1000 << 0.999
                                  << QList<int>{991, 992, 993, 994, 995, 996, 997, 998, 999, 990};
    QTest::addRow("10000") << 10000 << 0.4565 << QList<int>{4561, 4562, 4563, 4564, 4565,
                                                            4566, 4567, 4568, 4569, 4560};
    QTest::addRow("100000 tens") << 100000 << 0.4565
                                 << QList<int>{45610, 45620, 45630, 45640, 45650,
                                               45660, 45670, 45680, 45690, 45600};
    QTest::addRow("1000000 hundreds")
        << 1000000 << 0.9995 << QList<int>{999100, 999200, 999300, 999400, 999500,
                                           999600, 999700, 999800, 999900, 999000};
}

void NumberFamilyRulesTest::scriptedFamilies() {
    QFETCH(int, range);
    QFETCH(double, baseFraction);
    QFETCH(QList<int>, expected);
    Random::script(digitFractions({1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) << baseFraction);
    const NumberFamilyTask family = NumberFamilyRules::draw(range);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(asList(family.members), expected);
}

QTEST_GUILESS_MAIN(NumberFamilyRulesTest)
#include "test_numberfamily_rules.moc"
