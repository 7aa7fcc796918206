// The drawn shape and place of each block, painted without a screen.
#include "block_test_helpers.h"

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

class BlockPictureTest : public QObject {
    Q_OBJECT
private slots:
    void blockPositions();
    void blockShape_data();
    void blockShape();
};

void BlockPictureTest::blockPositions() {
    QCOMPARE(blockLeft(1), 400);
    QCOMPARE(blockLeft(2), 1100);
    QCOMPARE(blockLeft(10), 6700);
}

void BlockPictureTest::blockShape_data() {
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

void BlockPictureTest::blockShape() {
    QFETCH(BlockCounts, counts);
    QFETCH(int, dx);
    QFETCH(int, y);
    QFETCH(bool, drawn);
    const QImage image = painted(counts);
    QCOMPARE(blueAt(image, blockLeft(1) + dx, y), drawn);
    if (!drawn)
        QCOMPARE(colourAt(image, blockLeft(1) + dx, y), QColor(Qt::white));
}

QTEST_MAIN(BlockPictureTest)
#include "test_block_picture.moc"
