// The rules of the block exercises and the drawn shape of each block, without screens.
#include "block_test_helpers.h"
#include "core/NumberText.h"
#include "exercises/quantity/BlockRules.h"

#include <QPainter>
#include <QTest>

using namespace BlockProbe;
using namespace BlockPicture;

Q_DECLARE_METATYPE(BlockCounts)

namespace {
QImage painted(const BlockCounts &counts) {
    QImage image(tw(7700), tw(3000), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, counts);
    return image;
}
} // namespace

class BlockRulesTest : public QObject {
    Q_OBJECT
private slots:
    void sumText_data();
    void sumText();
    void blocksOfNumber_data();
    void blocksOfNumber();
    void everyNumberHasOnePictureThatAddsUp();
    void blockPositions();
    void blockShape_data();
    void blockShape();
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
    QCOMPARE(blockSumText(counts), text);
}

void BlockRulesTest::blocksOfNumber_data() {
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

void BlockRulesTest::blocksOfNumber() {
    QFETCH(int, number);
    QFETCH(BlockCounts, counts);
    QCOMPARE(::blocksOfNumber(number), counts);
}

void BlockRulesTest::everyNumberHasOnePictureThatAddsUp() {
    for (int n = 1; n <= 10000; ++n) {
        const BlockCounts c = ::blocksOfNumber(n);
        QVERIFY2(c.tausender >= 0 && c.tausender <= 10 && c.hunderter >= 0 && c.hunderter <= 9 &&
                     c.zehner >= 0 && c.zehner <= 9 && c.einer >= 0 && c.einer <= 9,
                 qPrintable(QString::number(n)));
        QCOMPARE(blockSumText(c), NumberText::digits(n));
        QCOMPARE(pictureAnswer(n), NumberText::digits(n));
    }
}

void BlockRulesTest::blockPositions() {
    QCOMPARE(blockLeft(1), 400);
    QCOMPARE(blockLeft(2), 1100);
    QCOMPARE(blockLeft(10), 6700);
}

void BlockRulesTest::blockShape_data() {
    // Points relative to the first block's left edge (x = 400), absolute heights.
    QTest::addColumn<BlockCounts>("counts");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("drawn");
    const BlockCounts cube{1, 0, 0, 0};
    QTest::addRow("cube front top left") << cube << 0 << 400 << true;
    QTest::addRow("cube front bottom left") << cube << 0 << 900 << true;
    QTest::addRow("cube front bottom right") << cube << 500 << 900 << true;
    QTest::addRow("cube front top right") << cube << 500 << 400 << true;
    QTest::addRow("cube front bottom edge") << cube << 250 << 900 << true;
    QTest::addRow("cube back top left") << cube << 300 << 300 << true;
    QTest::addRow("cube top back edge") << cube << 550 << 300 << true;
    QTest::addRow("cube back top right") << cube << 800 << 300 << true;
    QTest::addRow("cube side back edge") << cube << 800 << 500 << true;
    QTest::addRow("cube side ends at 700") << cube << 800 << 700 << true;
    QTest::addRow("cube nothing below side") << cube << 800 << 800 << false;
    QTest::addRow("cube nothing left of top face") << cube << 0 << 300 << false;
    QTest::addRow("cube no plate") << cube << 0 << 1450 << false;
    const BlockCounts plate{0, 1, 0, 0};
    QTest::addRow("plate top left") << plate << 0 << 1200 << true;
    QTest::addRow("plate bottom right") << plate << 500 << 1700 << true;
    QTest::addRow("plate right edge") << plate << 500 << 1450 << true;
    QTest::addRow("plate no oblique face") << plate << 800 << 1100 << false;
    const BlockCounts rod{0, 0, 1, 0};
    QTest::addRow("rod top left") << rod << 0 << 2000 << true;
    QTest::addRow("rod bottom right") << rod << 50 << 2500 << true;
    QTest::addRow("rod is thin") << rod << 150 << 2250 << false;
    const BlockCounts unit{0, 0, 0, 1};
    QTest::addRow("unit top left") << unit << 0 << 2800 << true;
    QTest::addRow("unit bottom right") << unit << 50 << 2850 << true;
    QTest::addRow("unit is small") << unit << 0 << 2950 << false;
}

void BlockRulesTest::blockShape() {
    QFETCH(BlockCounts, counts);
    QFETCH(int, dx);
    QFETCH(int, y);
    QFETCH(bool, drawn);
    const QImage image = painted(counts);
    QCOMPARE(blueAt(image, blockLeft(1) + dx, y), drawn);
    if (!drawn)
        QCOMPARE(colourAt(image, blockLeft(1) + dx, y), QColor(Qt::white));
}

QTEST_MAIN(BlockRulesTest)
#include "test_block_rules.moc"
