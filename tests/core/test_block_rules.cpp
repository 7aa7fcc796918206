// The rules of the block exercises: what the blocks add up to, which blocks
// picture a number, and the answers judged, without any window.
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/Session.h"
#include "core/quantities/PicturesRules.h"
#include "core/quantities/QuantitiesRules.h"

#include <QTest>

Q_DECLARE_METATYPE(BlockCounts)

class BlockRulesTest : public QObject {
    Q_OBJECT
private slots:
    void sumText_data();
    void sumText();
    void blocksOf_data();
    void blocksOf();
    void everyNumberHasOnePictureThatAddsUp();
    void quantitiesJudged_data();
    void quantitiesJudged();
    void picturesJudged_data();
    void picturesJudged();
    void eachTaskIsOneDraw();
};

void BlockRulesTest::sumText_data() {
    QTest::addColumn<BlockCounts>("counts");
    QTest::addColumn<QString>("text");
    QTest::addRow("nothing") << BlockCounts{0, 0, 0, 0} << "0";
    QTest::addRow("ten cubes") << BlockCounts{10, 0, 0, 0} << "10000";
    QTest::addRow("plate and units") << BlockCounts{0, 1, 0, 5} << "105";
    QTest::addRow("all nines") << BlockCounts{9, 9, 9, 9} << "9999";
    QTest::addRow("two rods") << BlockCounts{0, 0, 2, 0} << "20";
    QTest::addRow("one of each") << BlockCounts{1, 1, 1, 1} << "1111";
}

void BlockRulesTest::sumText() {
    QFETCH(BlockCounts, counts);
    QFETCH(QString, text);
    QCOMPARE(QuantitiesRules::sumText(counts), text);
}

void BlockRulesTest::blocksOf_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<BlockCounts>("counts");
    QTest::addRow("7") << 7 << BlockCounts{0, 0, 0, 7};
    QTest::addRow("20") << 20 << BlockCounts{0, 0, 2, 0};
    QTest::addRow("105") << 105 << BlockCounts{0, 1, 0, 5};
    QTest::addRow("1000") << 1000 << BlockCounts{1, 0, 0, 0};
    QTest::addRow("1234") << 1234 << BlockCounts{1, 2, 3, 4};
    QTest::addRow("9999") << 9999 << BlockCounts{9, 9, 9, 9};
    QTest::addRow("10000") << 10000 << BlockCounts{10, 0, 0, 0};
}

void BlockRulesTest::blocksOf() {
    QFETCH(int, number);
    QFETCH(BlockCounts, counts);
    QCOMPARE(PicturesRules::blocksOf(number), counts);
}

void BlockRulesTest::everyNumberHasOnePictureThatAddsUp() {
    for (int n = 1; n <= 10000; ++n) {
        const BlockCounts c = PicturesRules::blocksOf(n);
        QVERIFY2(c.thousands >= 0 && c.thousands <= 10 && c.hundreds >= 0 && c.hundreds <= 9 &&
                     c.tens >= 0 && c.tens <= 9 && c.ones >= 0 && c.ones <= 9,
                 qPrintable(QString::number(n)));
        QCOMPARE(QuantitiesRules::sumText(c), NumberText::digits(n));
    }
}

void BlockRulesTest::quantitiesJudged_data() {
    QTest::addColumn<QString>("expected");
    QTest::addColumn<BlockCounts>("built");
    QTest::addColumn<bool>("right");
    QTest::addRow("105") << "105" << BlockCounts{0, 1, 0, 5} << true;
    QTest::addRow("one unit short") << "105" << BlockCounts{0, 1, 0, 4} << false;
    QTest::addRow("nothing set") << "13" << BlockCounts{} << false;
    QTest::addRow("nines are not a thousand") << "1000" << BlockCounts{0, 9, 9, 9} << false;
    QTest::addRow("ten cubes") << "10000" << BlockCounts{10, 0, 0, 0} << true;
    QTest::addRow("ten cubes for 1000") << "1000" << BlockCounts{10, 0, 0, 0} << false;
}

void BlockRulesTest::quantitiesJudged() {
    QFETCH(QString, expected);
    QFETCH(BlockCounts, built);
    QFETCH(bool, right);
    QCOMPARE(QuantitiesRules::isRight({expected, built}), right);
}

void BlockRulesTest::picturesJudged_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::addRow("105") << 105 << "105" << true;
    QTest::addRow("leading zero") << 105 << "0105" << false;
    QTest::addRow("10000") << 10000 << "10000" << true;
    QTest::addRow("empty") << 20 << "" << false;
    QTest::addRow("leading blank") << 7 << " 7" << false;
}

void BlockRulesTest::picturesJudged() {
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    const PicturesTask task{PicturesRules::blocksOf(number), NumberText::digits(number)};
    QCOMPARE(PicturesRules::isRight(task, typed), right);
}

void BlockRulesTest::eachTaskIsOneDraw() {
    Session session;
    session.setRange(10000);
    Random::script({0.12345, 0.99995});
    const QuantitiesTask built = QuantitiesRules::draw(session);
    QCOMPARE(built.expected, QStringLiteral("1235"));
    QCOMPARE(built.built, BlockCounts{});
    const PicturesTask pictured = PicturesRules::draw(session);
    QCOMPARE(pictured.expected, QStringLiteral("10000"));
    QCOMPARE(pictured.blocks, (BlockCounts{10, 0, 0, 0}));
    QCOMPARE(Random::scriptLeft(), 0);
}

QTEST_GUILESS_MAIN(BlockRulesTest)
#include "test_block_rules.moc"
