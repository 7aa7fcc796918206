// The memory game's rules without a screen: the deal and the board text.
#include "core/Random.h"
#include "reward/MemoRules.h"

#include <QTest>

#include <array>

class MemoRulesTest : public QObject {
    Q_OBJECT
private slots:
    void everyDealHoldsEachNumberTwice();
    void scriptedDealPlacesInPatternOrder();
    void takenPlaceIsDrawnAgain();
    void faceUpCaption_data();
    void faceUpCaption();
    void foundMarks();
};

void MemoRulesTest::everyDealHoldsEachNumberTwice() {
    QSet<QString> distinct;
    for (quint32 seed = 1; seed <= 2000; ++seed) {
        Random::seed(seed);
        const QString deal = MemoRules::deal();
        QCOMPARE(deal.size(), 18);
        std::array<int, 10> count{};
        for (const QChar c : deal) {
            QVERIFY2(c >= QLatin1Char('1') && c <= QLatin1Char('9'), qPrintable(deal));
            ++count[c.digitValue()];
        }
        for (int digit = 1; digit <= 9; ++digit)
            QVERIFY2(count[digit] == 2,
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(deal)));
        distinct.insert(deal);
    }
    // The deals really are shuffled, not one fixed board.
    QVERIFY(distinct.size() > 1990);
}

void MemoRulesTest::scriptedDealPlacesInPatternOrder() {
    // Each fraction r gives the place Int(r * 18) + 1; the digits come in the
    // order 1, 1, 2, 2, ... 9, 9.
    QList<double> script;
    for (int place : {18, 1, 17, 2, 16, 3, 15, 4, 14, 5, 13, 6, 12, 7, 11, 8, 10, 9})
        script << (place - 1) / 18.0;
    Random::script(script);
    QCOMPARE(MemoRules::deal(), QStringLiteral("123456789987654321"));
    QCOMPARE(Random::scriptLeft(), 0);
}

void MemoRulesTest::takenPlaceIsDrawnAgain() {
    // The second 1 first hits place 1 (taken by the first 1) and place 1 again,
    // then lands on place 2; the lowest and highest fractions reach places 1 and 18.
    QList<double> script{0.0, 0.0, 0.05, 1.5 / 18.0};
    for (int place = 3; place <= 18; ++place)
        script << (place - 0.5) / 18.0;
    script.replace(script.size() - 1, 0.99999);
    Random::script(script);
    QCOMPARE(MemoRules::deal(), QStringLiteral("112233445566778899"));
    QCOMPARE(Random::scriptLeft(), 0);
}

void MemoRulesTest::faceUpCaption_data() {
    QTest::addColumn<QChar>("digit");
    QTest::addColumn<QString>("caption");
    QTest::addRow("4") << QChar('4') << QStringLiteral("4                4");
    QTest::addRow("9") << QChar('9') << QStringLiteral("9                9");
}

void MemoRulesTest::faceUpCaption() {
    QFETCH(QChar, digit);
    QFETCH(QString, caption);
    QCOMPARE(MemoRules::faceUp(digit), caption);
    QCOMPARE(caption.count(QLatin1Char(' ')), 16);
}

void MemoRulesTest::foundMarks() {
    const QString start = MemoRules::allInPlay();
    QCOMPARE(start, QStringLiteral("111111111111111111"));
    QCOMPARE(MemoRules::markFound(start, 1, 18), QStringLiteral("011111111111111110"));
    QCOMPARE(MemoRules::markFound(start, 7, 10), QStringLiteral("111111011011111111"));
    QVERIFY(!MemoRules::allFound(start));
    QVERIFY(!MemoRules::allFound(QStringLiteral("000000000000000001")));
    QVERIFY(MemoRules::allFound(QStringLiteral("000000000000000000")));
    QVERIFY(!MemoRules::allFound(QString()));
    QCOMPARE(MemoRules::at(QStringLiteral("123"), 3), QChar('3'));
    QCOMPARE(MemoRules::at(QStringLiteral("123"), 4), QChar());
    QCOMPARE(MemoRules::at(QStringLiteral("123"), 0), QChar());
}

QTEST_MAIN(MemoRulesTest)
#include "test_memo_rules.moc"
