// The pictures exercise driven through the menu, the keyboard and its boxes.
#include "Program.h"
#include "block_test_helpers.h"
#include "core/Random.h"
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

int positionOf(int range) {
    return range == 20 ? 1 : range == 100 ? 2 : range == 1000 ? 3 : 4;
}

// Starts the program at a range and opens the pictures screen with these numbers to come.
PicturesScreen &open(TestProgram &program, int range, const QList<int> &numbers) {
    program.writeSettings(QByteArray::number(positionOf(range)) + " \r\n");
    MenuScreen &menu = program.start();
    QList<double> script;
    for (int n : numbers)
        script << fractionFor(n, range);
    Random::script(script);
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl5"), Qt::LeftButton);
    return testApp().pictures();
}

QString field() {
    return control<Label>(&testApp().pictures(), "Bezeichnung1")->text();
}

// Types on the keyboard while OKAY has the focus: digits, 'B' for Backspace,
// 'k' before a digit for the same digit on the keypad.
void type(const QString &keys) {
    QWidget *focus = testApp().pictures().okayButton();
    bool keypad = false;
    for (QChar c : keys) {
        if (c == 'B') {
            QTest::keyClick(focus, Qt::Key_Backspace);
        } else if (c == 'k') {
            keypad = true;
            continue;
        } else {
            QTest::keyClick(focus, Qt::Key(Qt::Key_0 + c.digitValue()),
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
        }
        keypad = false;
    }
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void openingShowsControls();
    void picture_data();
    void picture();
    void typedAnswer_data();
    void typedAnswer();
    void clickOnFieldDrawsNewPicture();
    void samePictureAsQuantities();
};

void PicturesTest::openingShowsControls() {
    TestProgram program;
    ModalBoxes boxes;
    PicturesScreen &form = open(program, 100, {42});
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("ZUB-Zahlen bis 100"));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(255, 128, 128));
    QCOMPARE(field(), QString());
    QVERIFY(control<Label>(&form, "Bezeichnung1")->frameStyle() != QFrame::NoFrame);
    QCOMPARE(control<Label>(&form, "Bezeichnung2")->text(), QStringLiteral("Eingabe mit [Enter]"));
    QCOMPARE(form.endButton()->text(), QStringLiteral("ENDE"));
    QCOMPARE(form.okayButton()->text(), QStringLiteral("OKAY"));
    QCOMPARE(boxes.seen.size(), 0);
}

void PicturesTest::picture_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<int>>("rows"); // cubes, plates, rods, units
    QTest::addRow("10000") << 10000 << 10000 << QList<int>{10, 0, 0, 0};
    QTest::addRow("105") << 1000 << 105 << QList<int>{0, 1, 0, 5};
    QTest::addRow("20") << 20 << 20 << QList<int>{0, 0, 2, 0};
    QTest::addRow("13") << 20 << 13 << QList<int>{0, 0, 1, 3};
    QTest::addRow("7") << 20 << 7 << QList<int>{0, 0, 0, 7};
    QTest::addRow("9999") << 10000 << 9999 << QList<int>{9, 9, 9, 9};
    QTest::addRow("1000") << 1000 << 1000 << QList<int>{1, 0, 0, 0};
}

void PicturesTest::picture() {
    QFETCH(int, range);
    QFETCH(int, number);
    QFETCH(QList<int>, rows);
    TestProgram program;
    ModalBoxes boxes;
    PicturesScreen &form = open(program, range, {number});
    const PicturesTask &task = form.task();
    QCOMPARE(task.expected, QString::number(number));
    QCOMPARE(QList<int>(
                 {task.blocks.thousands, task.blocks.hundreds, task.blocks.tens, task.blocks.ones}),
             rows);
    const QImage image = shot(&form);
    const Row order[] = {Row::Cubes, Row::Plates, Row::Rods, Row::Units};
    const int tops[] = {300, 1200, 2000, 2800};
    const int bottoms[] = {900, 1700, 2500, 2850};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(blocksShown(image, order[i]), firstBlocks(rows[i]));
        if (rows[i] == 0)
            QVERIFY2(!anyBlueBetween(image, tops[i], bottoms[i]), "an empty row stays empty");
    }
    QCOMPARE(field(), QString());
}

void PicturesTest::typedAnswer_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed"); // the field's text before Enter
    QTest::addColumn<bool>("right");
    QTest::addRow("105") << 1000 << 105 << "105"
                         << "105" << true;
    QTest::addRow("leading zero") << 1000 << 105 << "0105"
                                  << "0105" << false;
    QTest::addRow("10000") << 10000 << 10000 << "10000"
                           << "10000" << true;
    QTest::addRow("backspace") << 100 << 1 << "12B"
                               << "1" << true;
    QTest::addRow("backspace on empty") << 100 << 1 << "B1"
                                        << "1" << true;
    QTest::addRow("empty") << 20 << 20 << ""
                           << "" << false;
    QTest::addRow("keypad types nothing") << 20 << 7 << "k7"
                                          << "" << false;
    QTest::addRow("no length limit") << 20 << 2 << "2222222222"
                                     << "2222222222" << false;
}

void PicturesTest::typedAnswer() {
    QFETCH(int, range);
    QFETCH(int, number);
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    TestProgram program;
    ModalBoxes boxes({"OK"});
    QString fieldWhenBoxShown;
    boxes.onBox = [&](const SeenBox &) { fieldWhenBoxShown = field(); };
    PicturesScreen &form = open(program, range, {number, 3});
    type(keys);
    QCOMPARE(field(), typed);
    const QRect drawingArea(0, 0, form.width(), tw(2900));
    const QImage picture = shot(&form).copy(drawingArea);

    QTest::keyClick(form.okayButton(), Qt::Key_Return);
    QCOMPARE(boxes.seen.size(), 1);
    const SeenBox &box = boxes.last();
    QCOMPARE(box.buttons, QStringList{"OK"});
    QCOMPARE(fieldWhenBoxShown, right ? typed : QString());
    QCOMPARE(field(), QString());
    if (right) {
        QCOMPARE(box.title, QStringLiteral("Zahleingabe 1/20"));
        QCOMPARE(box.text, QStringLiteral("Richtig, bitte weiter!\r"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(form.task().expected, QStringLiteral("3"));
        QCOMPARE(blocksShown(shot(&form), Row::Units), firstBlocks(3));
    } else {
        QCOMPARE(box.title, QStringLiteral("Zahleingabe"));
        QCOMPARE(box.text, QStringLiteral("Fehler, bitte nochmals!\r"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        // The same picture stays for another try.
        QCOMPARE(form.task().expected, QString::number(number));
        QCOMPARE(shot(&form).copy(drawingArea), picture);
    }
}

void PicturesTest::clickOnFieldDrawsNewPicture() {
    TestProgram program;
    ModalBoxes boxes;
    PicturesScreen &form = open(program, 10000, {4444, 30});
    type("44");
    QTest::mouseClick(control<Label>(&form, "Bezeichnung1"), Qt::LeftButton);
    QCOMPARE(field(), QString());
    QCOMPARE(form.task().expected, QStringLiteral("30"));
    const QImage image = shot(&form);
    QCOMPARE(blocksShown(image, Row::Rods), firstBlocks(3));
    QVERIFY(!anyBlueBetween(image, 0, 1800));
    QCOMPARE(boxes.seen.size(), 0);
}

void PicturesTest::samePictureAsQuantities() {
    TestProgram program;
    ModalBoxes boxes;
    PicturesScreen &pictures = open(program, 10000, {1234});
    const QImage drawn = shot(&pictures);
    QTest::mouseClick(pictures.endButton(), Qt::LeftButton);
    Random::script({fractionFor(77, 10000)});
    QTest::mouseClick(control<QPushButton>(&testApp().menu(), "Befehl4"), Qt::LeftButton);
    QuantitiesScreen &quantities = testApp().quantities();
    control<QScrollBar>(&quantities, "HBildlauf4")->setValue(1);
    control<QScrollBar>(&quantities, "HBildlauf1")->setValue(2);
    control<QScrollBar>(&quantities, "HBildlauf2")->setValue(3);
    control<QScrollBar>(&quantities, "HBildlauf3")->setValue(4);
    const QImage built = shot(&quantities);
    // Every dark blue pixel of the drawing area sits in the same place on both screens.
    for (int y = 0; y < tw(2900); ++y)
        for (int x = 0; x < qMin(drawn.width(), built.width()); ++x)
            QVERIFY2((drawn.pixelColor(x, y) == darkBlue) == (built.pixelColor(x, y) == darkBlue),
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
    QVERIFY(!pictureEmpty(built));
}

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
