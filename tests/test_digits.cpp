// The digits exercise driven through the menu and the real sliders: read the
// number, build it place by place, answer the verdict box.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"
#include "RecordingSpeaker.h"
#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/numbers/DigitsScreen.h"

#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

DigitsScreen &screen() {
    return testApp().digits();
}

QScrollBar *slider(int number) {
    return control<QScrollBar>(&screen(), QStringLiteral("HBildlauf%1").arg(number));
}

QString caption(const char *name) {
    return control<QLabel>(&screen(), QString::fromLatin1(name))->text();
}

// Where a part of a slider (arrow, thumb, groove) is drawn.
QRect sliderPart(QScrollBar *bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// Moves a slider as the child does: clicks on its arrows, one step a click.
void setSlider(int number, int value) {
    QScrollBar *bar = slider(number);
    const QPoint left = sliderPart(bar, QStyle::SC_ScrollBarSubLine).center();
    const QPoint right = sliderPart(bar, QStyle::SC_ScrollBarAddLine).center();
    while (bar->value() > value)
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, left);
    while (bar->value() < value)
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, right);
    QCOMPARE(bar->value(), value);
}

// Sets the six sliders from a digit string, hundred-thousands first.
void setSliders(const QString &digits) {
    for (int column = 0; column < 6; ++column)
        setSlider(6 - column, digits.at(column).digitValue());
}

QString sliderSetting() {
    QString digits;
    for (int number = 6; number >= 1; --number)
        digits += QString::number(slider(number)->value());
    return digits;
}

MenuScreen &openDigits(TestProgram &program, const QByteArray &settings,
                       const QList<double> &draws) {
    program.writeSettings(settings);
    MenuScreen &menu = program.start();
    Random::script(draws);
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl2"), Qt::LeftButton);
    return menu;
}

} // namespace

class DigitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void screenAsOpenedFromTheMenu();
    void roundTrip();
    void verdicts_data();
    void verdicts();
    void wordFollowsTheThumbWhileDragged();
    void onlyEnterIsAKey();
    void readsTheWordBuiltSoFar();
    void clickOnTaskGivesANewTask();
};

void DigitsTest::screenAsOpenedFromTheMenu() {
    TestProgram program;
    MenuScreen &menu = openDigits(program, " 3 \r\n", {fractionFor(345, 1000)});
    QVERIFY(screen().isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(screen().windowTitle(), QStringLiteral("ZUB-Zahlen bis 1000"));
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("345"));
    QCOMPARE(caption("Bezeichnung2"), QString());
    QCOMPARE(caption("Bezeichnung9"), QStringLiteral("Eingabe mit [Enter]"));
    const QStringList names = {"Einer",     "Zehner",        "Hunderter",
                               "Tausender", "Zehntausender", "Hunderttausender"};
    for (int number = 1; number <= 6; ++number) {
        QScrollBar *bar = slider(number);
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 9);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->value(), 0);
        // Each name stands over its slider; HBildlauf6 is the leftmost.
        const auto *name =
            control<QLabel>(&screen(), QStringLiteral("Bezeichnung%1").arg(number + 2));
        QCOMPARE(name->text(), names[number - 1]);
        QCOMPARE(name->geometry().center().x(), bar->geometry().center().x());
        QVERIFY(name->geometry().bottom() < bar->geometry().top());
        if (number > 1)
            QVERIFY(bar->x() < slider(number - 1)->x());
    }
    QCOMPARE(screen().task().places, QStringLiteral("0000000"));
}

void DigitsTest::roundTrip() {
    TestProgram program;
    openDigits(program, " 3 \r\n", {fractionFor(345, 1000), fractionFor(7, 1000)});

    setSlider(3, 3);
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("dreihundert"));
    setSlider(2, 4);
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("dreihundertvierzig"));
    setSlider(1, 5);
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("dreihundertfünfundvierzig"));
    QCOMPARE(screen().task().places, QStringLiteral("0000345"));

    ModalBoxes boxes({"OK"});
    QString settingDuringBox;
    boxes.onBox = [&](const SeenBox &) { settingDuringBox = sliderSetting(); };
    QTest::mouseClick(control<QPushButton>(&screen(), "Befehl2"), Qt::LeftButton);

    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    QCOMPARE(boxes.last().buttons, QStringList{"OK"});
    QCOMPARE(settingDuringBox, QStringLiteral("000345"));
    QCOMPARE(testApp().session().count(), 1);
    // The next task: all sliders back at 0 and no word.
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("7"));
    QCOMPARE(sliderSetting(), QStringLiteral("000000"));
    QCOMPARE(caption("Bezeichnung2"), QString());
    QCOMPARE(screen().task().places, QStringLiteral("0000000"));
}

void DigitsTest::verdicts_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("task");
    QTest::addColumn<QString>("sliders");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("right");
    // The full table of verdicts is in the rules' test; here the sliders reach it.
    QTest::addRow("Tausender beyond the task") << QByteArray(" 3 \r\n") << 1000 << 345 << "002345"
                                               << "zweitausenddreihundertfünfundvierzig" << true;
    QTest::addRow("tens and units swapped") << QByteArray(" 3 \r\n") << 1000 << 345 << "000354"
                                            << "dreihundertvierundfünfzig" << false;
    QTest::addRow("all six places")
        << QByteArray(" 6 \r\n") << 1000000 << 999999 << "999999"
        << "neunhundertneunundneunzigtausendneunhundertneunundneunzig" << true;
    QTest::addRow("sixth place wrong")
        << QByteArray(" 6 \r\n") << 1000000 << 999999 << "899999"
        << "achthundertneunundneunzigtausendneunhundertneunundneunzig" << false;
}

void DigitsTest::verdicts() {
    QFETCH(QByteArray, settings);
    QFETCH(int, range);
    QFETCH(int, task);
    QFETCH(QString, sliders);
    QFETCH(QString, word);
    QFETCH(bool, right);
    TestProgram program;
    openDigits(program, settings, {fractionFor(task, range), fractionFor(1, range)});
    setSliders(sliders);
    QCOMPARE(caption("Bezeichnung2"), word);

    ModalBoxes boxes({"OK"});
    QTest::keyClick(control<QPushButton>(&screen(), "Befehl2"), Qt::Key_Return);
    QCOMPARE(boxes.seen.size(), 1);
    if (right) {
        QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
        QCOMPARE(caption("Bezeichnung1"), QStringLiteral("1"));
        QCOMPARE(sliderSetting(), QStringLiteral("000000"));
        return;
    }
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(boxes.last().buttons, QStringList{"OK"});
    // Nothing changes, so the child can correct the setting.
    QCOMPARE(caption("Bezeichnung1"), QString::number(task));
    QCOMPARE(sliderSetting(), sliders);
    QCOMPARE(caption("Bezeichnung2"), word);
    QCOMPARE(testApp().session().count(), 0);
}

void DigitsTest::wordFollowsTheThumbWhileDragged() {
    TestProgram program;
    openDigits(program, " 3 \r\n", {fractionFor(345, 1000)});
    QScrollBar *bar = slider(3);

    const QRect thumb = sliderPart(bar, QStyle::SC_ScrollBarSlider);
    const QRect groove = sliderPart(bar, QStyle::SC_ScrollBarGroove);

    const QPoint grab = thumb.center();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grab);
    QMouseEvent move(QEvent::MouseMove, QPointF(groove.right() - 1, grab.y()),
                     bar->mapToGlobal(QPointF(groove.right() - 1, grab.y())), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    // Still held: the word already shows the number under the thumb.
    QVERIFY(bar->isSliderDown());
    QCOMPARE(bar->value(), 9);
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("neunhundert"));
    QCOMPARE(screen().task().places, QStringLiteral("0000900"));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(groove.right() - 1, grab.y()));
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("neunhundert"));
}

void DigitsTest::onlyEnterIsAKey() {
    TestProgram program;
    openDigits(program, " 3 \r\n", {fractionFor(345, 1000)});
    QPushButton *okay = control<QPushButton>(&screen(), "Befehl2");

    ModalBoxes boxes({"OK"});
    QTest::keyClick(okay, Qt::Key_3);
    QTest::keyClick(okay, Qt::Key_Backspace);
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("345"));
    QCOMPARE(sliderSetting(), QStringLiteral("000000"));

    QTest::keyClick(okay, Qt::Key_Return);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe"});
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("345"));
}

void DigitsTest::clickOnTaskGivesANewTask() {
    TestProgram program;
    openDigits(program, " 3 \r\n", {fractionFor(345, 1000), fractionFor(21, 1000)});
    setSliders(QStringLiteral("000120"));
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("einhundertzwanzig"));

    QTest::mouseClick(control<Label>(&screen(), "Bezeichnung1"), Qt::LeftButton);
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("21"));
    QCOMPARE(sliderSetting(), QStringLiteral("000000"));
    QCOMPARE(caption("Bezeichnung2"), QString());
}

// "Vorlesen" reads the word the sliders form so far, and nothing while there is none.
void DigitsTest::readsTheWordBuiltSoFar() {
    TestProgram program;
    openDigits(program, " 3 \r\n", {fractionFor(345, 1000)});
    auto *readAloud = control<QPushButton>(&screen(), "BefehlVorlesen");
    QVERIFY(
        !readAloud->geometry().intersects(control<QLabel>(&screen(), "Bezeichnung9")->geometry()));
    QTest::mouseClick(readAloud, Qt::LeftButton);
    QCOMPARE(testSpeaker().calls, QStringList());
    setSlider(3, 3);
    setSlider(1, 5);
    QTest::mouseClick(readAloud, Qt::LeftButton);
    QCOMPARE(testSpeaker().calls, QStringList{"say dreihundertfünf"});
}

QTEST_MAIN(DigitsTest)
#include "test_digits.moc"
