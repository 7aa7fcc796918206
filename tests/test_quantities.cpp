// The quantities exercise driven through the menu, its scroll bars and its boxes.
#include "Program.h"
#include "block_test_helpers.h"
#include "core/Random.h"
#include "scrollbar_mouse.h"
#include "support/ModalBoxes.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/quantities/PicturesScreen.h"
#include "ui/quantities/QuantitiesScreen.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace BlockProbe;

namespace {

// Settings positions of the range bar.
int positionOf(int range) {
    return QList<int>{20, 100, 1000, 10000, 100000, 1000000}.indexOf(range) + 1;
}

QScrollBar *bar(const char *name) {
    return control<QScrollBar>(&testApp().quantities(), name);
}

// The bars in the order thousands, hundreds, tens, ones.
void setBars(int t, int h, int z, int e) {
    bar("HBildlauf4")->setValue(t);
    bar("HBildlauf1")->setValue(h);
    bar("HBildlauf2")->setValue(z);
    bar("HBildlauf3")->setValue(e);
}

QList<int> barValues() {
    return {bar("HBildlauf4")->value(), bar("HBildlauf1")->value(), bar("HBildlauf2")->value(),
            bar("HBildlauf3")->value()};
}

// The blocks the task holds as built, in the same order.
QList<int> counts() {
    const BlockCounts &built = testApp().quantities().task().built;
    return {built.thousands, built.hundreds, built.tens, built.ones};
}

QString expected() {
    return testApp().quantities().task().expected;
}

// Starts the program at a range and opens the quantities screen with these numbers to come.
QuantitiesScreen &open(TestProgram &program, int range, const QList<int> &numbers) {
    program.writeSettings(QByteArray::number(positionOf(range)) + " \r\n");
    MenuScreen &menu = program.start();
    QList<double> script;
    for (int n : numbers)
        script << fractionFor(n, qMin(range, 10000));
    Random::script(script);
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl4"), Qt::LeftButton);
    return testApp().quantities();
}

} // namespace

class QuantitiesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void menuLimitsRange_data();
    void menuLimitsRange();
    void openingShowsNumberAndEmptyRows();
    void tenThousandIsTenCubes();
    void rightSettings_data();
    void rightSettings();
    void wrongSettingsStay_data();
    void wrongSettingsStay();
    void arrowAndTroughMoveByOne();
    void arrowKeysMoveTheFocusedBar();
    void draggedThumbRedrawsLive();
    void rowsSurviveBeingCovered();
    void clickOnNumberSkipsWithoutCounting();
    void picturesLeaveNoBlocksHere();
};

void QuantitiesTest::menuLimitsRange_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("range");
    QTest::addColumn<bool>("limited");
    for (const char *button : {"Befehl4", "Befehl5"}) {
        const char *screen = QByteArray(button) == "Befehl4" ? "Form4" : "Form5";
        QTest::addRow("%s at 10000", button) << button << screen << 10000 << false;
        QTest::addRow("%s at 100000", button) << button << screen << 100000 << true;
        QTest::addRow("%s at 1000000", button) << button << screen << 1000000 << true;
    }
}

void QuantitiesTest::menuLimitsRange() {
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(int, range);
    QFETCH(bool, limited);
    TestProgram program;
    program.writeSettings(QByteArray::number(positionOf(range)) + " \r\n");
    MenuScreen &menu = program.start();
    QCOMPARE(testApp().session().range(), range);
    // The largest number of the range the task is built in.
    const int built = qMin(range, 10000);
    Random::script({fractionFor(built, built)});
    ModalBoxes boxes(limited ? QStringList{"OK"} : QStringList{});
    QTest::mouseClick(control<QPushButton>(&menu, button), Qt::LeftButton);

    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(boxes.seen.size(), limited ? 1 : 0);
    if (limited) {
        const SeenBox &box = boxes.last();
        QCOMPARE(box.title, QStringLiteral("Zahlenraum"));
        QCOMPARE(box.text, QStringLiteral("Zahlenraum nur bis 10000 möglich!"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QStringList{"OK"});
        QCOMPARE(menu.rangeBar()->value(), 4);
    }
    QCOMPARE(testApp().session().range(), built);
    const bool quantities = button == "Befehl4";
    QCOMPARE(quantities ? expected() : testApp().pictures().task().expected,
             QString::number(built));
    QWidget *shown = quantities ? static_cast<QWidget *>(&testApp().quantities())
                                : static_cast<QWidget *>(&testApp().pictures());
    QCOMPARE(shown->objectName(), screen);
    QVERIFY(shown->isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(shown->windowTitle(), QStringLiteral("ZUB-Zahlen bis ") + QString::number(built));
}

void QuantitiesTest::openingShowsNumberAndEmptyRows() {
    TestProgram program;
    ModalBoxes boxes;
    QuantitiesScreen &form = open(program, 1000, {105});

    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("ZUB-Zahlen bis 1000"));
    QCOMPARE(control<Label>(&form, "Bezeichnung1")->text(), QStringLiteral("105"));
    QCOMPARE(expected(), QStringLiteral("105"));
    QCOMPARE(barValues(), QList<int>({0, 0, 0, 0}));
    QCOMPARE(counts(), QList<int>({0, 0, 0, 0}));
    QVERIFY(pictureEmpty(shot(&form)));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(255, 255, 128));
    QCOMPARE(control<Label>(&form, "Bezeichnung5")->text(), QStringLiteral("Tausender"));
    QCOMPARE(control<Label>(&form, "Bezeichnung6")->text(), QStringLiteral("Eingabe mit [Enter]"));
    QCOMPARE(bar("HBildlauf4")->maximum(), 10);
    for (const char *name : {"HBildlauf1", "HBildlauf2", "HBildlauf3"})
        QCOMPARE(bar(name)->maximum(), 9);
    // Bars stand left to right: thousands, hundreds, tens, ones.
    QCOMPARE(bar("HBildlauf4")->x(), tw(360));
    QCOMPARE(bar("HBildlauf1")->x(), tw(2160));
    QCOMPARE(bar("HBildlauf2")->x(), tw(3960));
    QCOMPARE(bar("HBildlauf3")->x(), tw(5760));
    QCOMPARE(boxes.seen.size(), 0);
}

void QuantitiesTest::tenThousandIsTenCubes() {
    TestProgram program;
    ModalBoxes boxes({"OK"});
    QuantitiesScreen &form = open(program, 10000, {10000, 37});
    QCOMPARE(expected(), QStringLiteral("10000"));

    bar("HBildlauf4")->setValue(10);
    QImage image = shot(&form);
    QCOMPARE(blocksShown(image, Row::Cubes), firstBlocks(10));
    QVERIFY(blueAt(image, 6700, probeY(Row::Cubes)));
    QVERIFY(!blueAt(image, 6700 - 15, probeY(Row::Cubes)));
    QVERIFY(blueAt(image, 6700 + 800, 300)); // the last cube's back top corner
    QVERIFY(!anyBlueBetween(image, 1000, 2900));

    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    // The next task starts with every bar at 0 and an empty picture.
    QCOMPARE(control<Label>(&form, "Bezeichnung1")->text(), QStringLiteral("37"));
    QCOMPARE(barValues(), QList<int>({0, 0, 0, 0}));
    QCOMPARE(counts(), QList<int>({0, 0, 0, 0}));
    QVERIFY(pictureEmpty(shot(&form)));
}

void QuantitiesTest::rightSettings_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<int>>("setting");
    QTest::addColumn<bool>("byEnter");
    QTest::addRow("20 as two rods") << 20 << 20 << QList<int>{0, 0, 2, 0} << false;
    QTest::addRow("7 by Enter") << 20 << 7 << QList<int>{0, 0, 0, 7} << true;
    QTest::addRow("105") << 1000 << 105 << QList<int>{0, 1, 0, 5} << true;
    QTest::addRow("9999") << 10000 << 9999 << QList<int>{9, 9, 9, 9} << false;
    QTest::addRow("1000 as a cube") << 1000 << 1000 << QList<int>{1, 0, 0, 0} << true;
}

void QuantitiesTest::rightSettings() {
    QFETCH(int, range);
    QFETCH(int, number);
    QFETCH(QList<int>, setting);
    QFETCH(bool, byEnter);
    TestProgram program;
    ModalBoxes boxes({"OK"});
    QuantitiesScreen &form = open(program, range, {number, 1});
    setBars(setting[0], setting[1], setting[2], setting[3]);
    QCOMPARE(counts(), setting);
    if (byEnter)
        QTest::keyClick(form.okayButton(), Qt::Key_Return);
    else
        QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe 1/20"});
    QCOMPARE(control<Label>(&form, "Bezeichnung1")->text(), QStringLiteral("1"));
    QCOMPARE(barValues(), QList<int>({0, 0, 0, 0}));
}

void QuantitiesTest::wrongSettingsStay_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<int>>("setting");
    QTest::addRow("nothing set") << 20 << 13 << QList<int>{0, 0, 0, 0};
    QTest::addRow("one unit short") << 1000 << 105 << QList<int>{0, 1, 0, 4};
    QTest::addRow("nines are not a thousand") << 1000 << 1000 << QList<int>{0, 9, 9, 9};
    QTest::addRow("cubes at range 20") << 20 << 20 << QList<int>{1, 0, 2, 0};
    QTest::addRow("ten cubes for 1000") << 10000 << 1000 << QList<int>{10, 0, 0, 0};
}

void QuantitiesTest::wrongSettingsStay() {
    QFETCH(int, range);
    QFETCH(int, number);
    QFETCH(QList<int>, setting);
    TestProgram program;
    ModalBoxes boxes({"OK", "OK"});
    QuantitiesScreen &form = open(program, range, {number});
    setBars(setting[0], setting[1], setting[2], setting[3]);
    const QImage before = shot(&form);

    QTest::keyClick(form.okayButton(), Qt::Key_Return);
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 2);
    for (const SeenBox &box : boxes.seen) {
        QCOMPARE(box.title, QStringLiteral("Zahleingabe"));
        QCOMPARE(box.text, QStringLiteral("Fehler, bitte nochmals!\r"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QStringList{"OK"});
    }
    QCOMPARE(barValues(), setting);
    QCOMPARE(counts(), setting);
    QCOMPARE(shot(&form), before);
    QCOMPARE(expected(), QString::number(number));
    QCOMPARE(control<Label>(&form, "Bezeichnung1")->text(), QString::number(number));
    QCOMPARE(Random::scriptLeft(), 0);
}

void QuantitiesTest::arrowAndTroughMoveByOne() {
    TestProgram program;
    ModalBoxes boxes;
    QuantitiesScreen &form = open(program, 1000, {500});
    QScrollBar *plates = bar("HBildlauf1");
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(
            plates, Qt::LeftButton, {},
            ScrollBarMouse::part(plates, QStyle::SC_ScrollBarAddLine, plates->value()).center());
    QCOMPARE(plates->value(), 5);
    QCOMPARE(blocksShown(shot(&form), Row::Plates), firstBlocks(5));

    QTest::mouseClick(
        plates, Qt::LeftButton, {},
        ScrollBarMouse::part(plates, QStyle::SC_ScrollBarSubLine, plates->value()).center());
    QCOMPARE(plates->value(), 4);
    QCOMPARE(testApp().quantities().task().built.hundreds, 4);
    QCOMPARE(blocksShown(shot(&form), Row::Plates), firstBlocks(4));

    // A click into the trough left of the thumb takes one plate away too.
    const QRect thumb = ScrollBarMouse::part(plates, QStyle::SC_ScrollBarSlider, 4);
    const QRect trough = ScrollBarMouse::part(plates, QStyle::SC_ScrollBarSubPage, 4);
    QVERIFY(trough.width() > 2);
    QTest::mouseClick(plates, Qt::LeftButton, {}, QPoint(trough.left() + 1, thumb.center().y()));
    QCOMPARE(plates->value(), 3);
    QCOMPARE(blocksShown(shot(&form), Row::Plates), firstBlocks(3));
    QCOMPARE(counts(), QList<int>({0, 3, 0, 0}));
}

void QuantitiesTest::arrowKeysMoveTheFocusedBar() {
    TestProgram program;
    ModalBoxes boxes({"OK"});
    QuantitiesScreen &form = open(program, 100, {2, 50});
    QScrollBar *units = bar("HBildlauf3");
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Right);
    QTest::keyClick(units, Qt::Key_Right);
    QTest::keyClick(units, Qt::Key_Right);
    QTest::keyClick(units, Qt::Key_Left);
    QCOMPARE(units->value(), 2);
    QCOMPARE(blocksShown(shot(&form), Row::Units), firstBlocks(2));
    // Enter on the focused bar still runs the check.
    QTest::keyClick(units, Qt::Key_Return);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe 1/20"});
    QCOMPARE(control<Label>(&form, "Bezeichnung1")->text(), QStringLiteral("50"));
}

void QuantitiesTest::draggedThumbRedrawsLive() {
    TestProgram program;
    ModalBoxes boxes;
    QuantitiesScreen &form = open(program, 1000, {200});
    QScrollBar *plates = bar("HBildlauf1");
    plates->setValue(9);
    QCOMPARE(blocksShown(shot(&form), Row::Plates), firstBlocks(9));

    auto move = [plates](int value) {
        const QPoint at = ScrollBarMouse::thumbCentre(plates, value);
        QMouseEvent event(QEvent::MouseMove, at, plates->mapToGlobal(at), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(plates, &event);
    };
    QTest::mousePress(plates, Qt::LeftButton, {}, ScrollBarMouse::thumbCentre(plates, 9));
    QVERIFY(plates->isSliderDown());
    move(5);
    QCOMPARE(testApp().quantities().task().built.hundreds, 5);
    QCOMPARE(blocksShown(shot(&form), Row::Plates), firstBlocks(5));
    // Still held: the rows already show the thumb's place.
    move(2);
    QVERIFY(plates->isSliderDown());
    QCOMPARE(testApp().quantities().task().built.hundreds, 2);
    QCOMPARE(blocksShown(shot(&form), Row::Plates), firstBlocks(2));
    QTest::mouseRelease(plates, Qt::LeftButton, {}, ScrollBarMouse::thumbCentre(plates, 2));
    QCOMPARE(plates->value(), 2);
    QCOMPARE(blocksShown(shot(&form), Row::Plates), firstBlocks(2));
    QVERIFY(!anyBlueBetween(shot(&form), 0, 1000));
}

void QuantitiesTest::rowsSurviveBeingCovered() {
    TestProgram program;
    ModalBoxes boxes({"OK"});
    QuantitiesScreen &form = open(program, 10000, {4321});
    setBars(1, 2, 3, 3);
    QList<int> whileCovered;
    boxes.onBox = [&](const SeenBox &) {
        const QImage image = shot(&form);
        whileCovered = {
            int(blocksShown(image, Row::Cubes).size()), int(blocksShown(image, Row::Plates).size()),
            int(blocksShown(image, Row::Rods).size()), int(blocksShown(image, Row::Units).size())};
    };
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(whileCovered, QList<int>({1, 2, 3, 3}));
    form.hide();
    form.show();
    const QImage image = shot(&form);
    QCOMPARE(blocksShown(image, Row::Cubes), firstBlocks(1));
    QCOMPARE(blocksShown(image, Row::Plates), firstBlocks(2));
    QCOMPARE(blocksShown(image, Row::Rods), firstBlocks(3));
    QCOMPARE(blocksShown(image, Row::Units), firstBlocks(3));
}

void QuantitiesTest::clickOnNumberSkipsWithoutCounting() {
    TestProgram program;
    ModalBoxes boxes;
    QuantitiesScreen &form = open(program, 100, {42, 77});
    setBars(0, 0, 4, 2);
    QTest::mouseClick(control<Label>(&form, "Bezeichnung1"), Qt::LeftButton);
    QCOMPARE(control<Label>(&form, "Bezeichnung1")->text(), QStringLiteral("77"));
    QCOMPARE(expected(), QStringLiteral("77"));
    QCOMPARE(barValues(), QList<int>({0, 0, 0, 0}));
    QVERIFY(pictureEmpty(shot(&form)));
    QCOMPARE(boxes.seen.size(), 0);
    QCOMPARE(testApp().session().count(), 0);
}

void QuantitiesTest::picturesLeaveNoBlocksHere() {
    TestProgram program;
    ModalBoxes boxes;
    QuantitiesScreen &form = open(program, 10000, {5});
    QTest::mouseClick(form.endButton(), Qt::LeftButton);
    // The pictures screen draws its blocks while every bar here is at 0.
    Random::script({fractionFor(1234, 10000), fractionFor(8, 10000)});
    QTest::mouseClick(control<QPushButton>(&testApp().menu(), "Befehl5"), Qt::LeftButton);
    QCOMPARE(testApp().pictures().task().blocks, (BlockCounts{1, 2, 3, 4}));
    QTest::mouseClick(testApp().pictures().endButton(), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(&testApp().menu(), "Befehl4"), Qt::LeftButton);
    QCOMPARE(control<Label>(&form, "Bezeichnung1")->text(), QStringLiteral("8"));
    QCOMPARE(counts(), QList<int>({0, 0, 0, 0}));
    QVERIFY(pictureEmpty(shot(&form)));
}

QTEST_MAIN(QuantitiesTest)
#include "test_quantities.moc"
