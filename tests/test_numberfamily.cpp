// The number family: families of every range, the one missing member, the
// routine run while the screen is hidden, and the screen end to end.
#include "ModalBoxes.h"
#include "Program.h"
#include "structure_typing.h"

#include "core/Random.h"
#include "exercises/quantity/Form7.h"
#include "exercises/quantity/NumberFamily.h"
#include "exercises/quantity/ShapeControls.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"

#include <QPushButton>

#include <algorithm>
#include <set>

namespace {

// Scripted fractions that shuffle the digits into the given order.
QList<double> digitFractions(const QList<int> &digits) {
    QList<double> fractions;
    for (int d : digits)
        fractions << (d + 0.5) / 10;
    return fractions;
}

Form7 &openFamily(TestProgram &program, int rangePosition, const QList<double> &script) {
    program.writeSettings(QByteArray::number(rangePosition) + " \r\n");
    MenuScreen &menu = program.start();
    Random::script(script);
    control<QPushButton>(&menu, "Befehl7")->click();
    return Screens::get<Form7>();
}

} // namespace

class NumberFamilyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void shuffleRedrawsRepeats();
    void families_data();
    void families();
    void scriptedFamilies_data();
    void scriptedFamilies();
    void filledWhileHidden();
    void screenLayout();
    void rightAnswerWithFinalZero();
    void leadingZeroIsWrong();
    void clickBuildsNewFamily();
};

void NumberFamilyTest::shuffleRedrawsRepeats() {
    // 3 comes twice and 0 three times: each repeat is drawn again.
    QList<double> script = digitFractions({3, 3, 0, 0, 0, 1, 2, 4, 5, 6, 7, 8, 9});
    Random::script(script);
    const std::array<int, 11> digits = shuffledDigits();
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(QList<int>(digits.begin() + 1, digits.end()),
             (QList<int>{3, 0, 1, 2, 4, 5, 6, 7, 8, 9}));
}

void NumberFamilyTest::families_data() {
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

void NumberFamilyTest::families() {
    QFETCH(int, range);
    QFETCH(int, place);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    std::set<int> firstMembers;
    for (quint32 seed = 1; seed <= 300; ++seed) {
        Random::seed(seed);
        const std::array<int, 11> family = numberFamily(range);
        std::vector<int> members(family.begin() + 1, family.end());
        std::sort(members.begin(), members.end());
        // Ten members a place apart, starting at a multiple of ten places.
        QCOMPARE(members.front() % (10 * place), 0);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(members[i], members.front() + i * place);
        QVERIFY(members.front() >= lowest);
        QVERIFY(members.back() <= highest);
        firstMembers.insert(members.front());
        // The missing member is the only one not among the nine shown.
        QVERIFY(std::find(family.begin() + 1, family.begin() + 10, family[10]) ==
                family.begin() + 10);
    }
    QVERIFY(firstMembers.size() > 1); // the base is drawn, not fixed
    if (range == 20)
        QCOMPARE(firstMembers, (std::set<int>{0, 10}));
}

void NumberFamilyTest::scriptedFamilies_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("baseFraction");
    QTest::addColumn<QList<int>>("expected"); // entries 1 .. 10
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

void NumberFamilyTest::scriptedFamilies() {
    QFETCH(int, range);
    QFETCH(double, baseFraction);
    QFETCH(QList<int>, expected);
    MODUL1::session().setRange(range);
    Random::script(digitFractions({1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) << baseFraction);
    const std::array<int, 11> family = numberFamily(range);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(QList<int>(family.begin() + 1, family.end()), expected);
}

void NumberFamilyTest::filledWhileHidden() {
    TestProgram program;
    program.writeSettings(" 5 \r\n");
    program.start();
    MODUL1::Zahl = 77;
    MODUL1::Zahlenfeld.fill(-1);
    Random::script(digitFractions({5, 1, 2, 3, 4, 0, 6, 7, 8, 9}) << 0.0123);
    MODUL1::NeueFamilienAufgabe();

    Form7 &form = Screens::get<Form7>();
    QVERIFY(!form.isVisible());
    QCOMPARE(MODUL1::Zahlenfeld[1], 1250);
    QCOMPARE(MODUL1::Zahlenfeld[10], 1290);
    for (int i = 1; i <= 10; ++i)
        QVERIFY(MODUL1::Zahlenfeld[i] >= 1200 && MODUL1::Zahlenfeld[i] <= 1290);
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(form.member(i)->text(), QString::number(MODUL1::Zahlenfeld[i]));
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("1290"));
    QCOMPARE(MODUL1::Zahl, 77.0); // the family leaves the task number alone
}

void NumberFamilyTest::screenLayout() {
    TestProgram program;
    Form7 &form = openFamily(program, 2, {});
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("ZUB-Zahlen bis 100"));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 255));
    auto *circle = control<ShapeControl>(&form, "Figur1");
    auto *oval = control<ShapeControl>(&form, "Figur2");
    QCOMPARE(circle->width(), circle->height());
    QVERIFY(oval->width() > oval->height());
    // The oval sits at the lower right edge of the circle and holds the answer field.
    QVERIFY(oval->geometry().intersects(circle->geometry()));
    QVERIFY(oval->geometry().bottomRight().x() > circle->geometry().right());
    QVERIFY(oval->geometry().contains(form.answerField()->geometry()));
    // Two staggered columns inside the circle: odd entries left, even ones right and lower.
    for (int i = 1; i <= 9; ++i) {
        Label *label = form.member(i);
        QVERIFY(circle->geometry().contains(label->geometry()));
        QVERIFY(label->font().bold());
        if (i > 1)
            QVERIFY(label->y() > form.member(i - 1)->y());
        if (i % 2 == 0)
            QVERIFY(label->x() > form.member(i - 1)->x());
        else if (i > 1)
            QCOMPARE(label->x(), form.member(1)->x());
    }
    QVERIFY(form.findChildren<QLabel *>(QStringLiteral("Bezeichnung11")).isEmpty()); // no hint
}

void NumberFamilyTest::rightAnswerWithFinalZero() {
    TestProgram program;
    // 100000: the family 45600 .. 45690 with 45600 missing.
    Form7 &form = openFamily(program, 5, digitFractions({1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) << 0.4565);
    QCOMPARE(form.member(1)->text(), QStringLiteral("45610"));
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("45600"));

    ModalBoxes boxes({"OK"});
    Random::script(digitFractions({9, 8, 7, 6, 5, 4, 3, 2, 1, 0}) << 0.0);
    typeKeys(form.okayButton(), "456001B");
    QCOMPARE(form.answerField()->text(), QStringLiteral("45600"));
    typeKeys(form.okayButton(), "E");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    // The next family is shown at once.
    QCOMPARE(form.member(1)->text(), QStringLiteral("90"));
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("0"));
    QCOMPARE(form.answerField()->text(), QString());
}

void NumberFamilyTest::leadingZeroIsWrong() {
    TestProgram program;
    // 20: the family 0 .. 9 with 7 missing.
    Form7 &form = openFamily(program, 1, digitFractions({0, 1, 2, 3, 4, 5, 6, 8, 9, 7}) << 0.0);
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("7"));
    ModalBoxes boxes({"OK", "OK"});
    typeKeys(form.okayButton(), "07");
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(form.answerField()->text(), QString());
    QCOMPARE(form.member(8)->text(), QStringLiteral("8")); // the same family stays
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("7"));

    typeKeys(form.okayButton(), "7E");
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe", "Zahleingabe 1/20"}));
}

void NumberFamilyTest::clickBuildsNewFamily() {
    TestProgram program;
    Form7 &form = openFamily(program, 3, digitFractions({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) << 0.0);
    typeKeys(form.okayButton(), "12");
    const int count = testApp().session().count();
    Random::script(digitFractions({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) << 0.5);
    QTest::mouseClick(form.answerField(), Qt::LeftButton);
    QCOMPARE(form.member(1)->text(), QStringLiteral("500"));
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("509"));
    QCOMPARE(form.answerField()->text(), QString()); // a new family empties the field
    QCOMPARE(testApp().session().count(), count);    // nothing counted
}

QTEST_MAIN(NumberFamilyTest)
#include "test_numberfamily.moc"
