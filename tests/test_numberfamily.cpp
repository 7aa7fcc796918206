// The number family screen end to end: its layout, the missing member typed
// right or wrong, and a new family on a click.
#include "Fractions.h"
#include "ModalBoxes.h"
#include "Program.h"
#include "structure_typing.h"

#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/structure/NumberFamilyScreen.h"
#include "ui/structure/ShapeControls.h"

#include <QPushButton>

namespace {

NumberFamilyScreen &openFamily(TestProgram &program, int rangePosition,
                               const QList<double> &script) {
    program.writeSettings(QByteArray::number(rangePosition) + " \r\n");
    MenuScreen &menu = program.start();
    Random::script(script);
    control<QPushButton>(&menu, "Befehl7")->click();
    return testApp().numberFamily();
}

} // namespace

class NumberFamilyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void screenLayout();
    void rightAnswerWithFinalZero();
    void leadingZeroIsWrong();
    void clickBuildsNewFamily();
};

void NumberFamilyTest::screenLayout() {
    TestProgram program;
    NumberFamilyScreen &form = openFamily(program, 2, {});
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
    // Two staggered columns inside the circle: the first member left, the
    // second right and lower, and so on (Bezeichnung1 .. Bezeichnung9).
    for (int i = 0; i < NumberFamilyTask::shownCount; ++i) {
        Label *label = form.member(i);
        QCOMPARE(label->objectName(), QStringLiteral("Bezeichnung%1").arg(i + 1));
        QVERIFY(circle->geometry().contains(label->geometry()));
        QVERIFY(label->font().bold());
        if (i > 0)
            QVERIFY(label->y() > form.member(i - 1)->y());
        if (i % 2 == 1)
            QVERIFY(label->x() > form.member(i - 1)->x());
        else if (i > 0)
            QCOMPARE(label->x(), form.member(0)->x());
    }
    QVERIFY(form.findChildren<QLabel *>(QStringLiteral("Bezeichnung11")).isEmpty()); // no hint
}

void NumberFamilyTest::rightAnswerWithFinalZero() {
    TestProgram program;
    // 100000: the family 45600 .. 45690 with 45600 missing.
    NumberFamilyScreen &form =
        openFamily(program, 5, digitFractions({1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) << 0.4565);
    QCOMPARE(form.member(0)->text(), QStringLiteral("45610"));
    QCOMPARE(form.task().expected, QStringLiteral("45600"));

    ModalBoxes boxes({"OK"});
    Random::script(digitFractions({9, 8, 7, 6, 5, 4, 3, 2, 1, 0}) << 0.0);
    typeKeys(form.okayButton(), "456001B");
    QCOMPARE(form.answerField()->text(), QStringLiteral("45600"));
    typeKeys(form.okayButton(), "E");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    // The next family is shown at once.
    QCOMPARE(form.member(0)->text(), QStringLiteral("90"));
    QCOMPARE(form.task().expected, QStringLiteral("0"));
    QCOMPARE(form.answerField()->text(), QString());
}

void NumberFamilyTest::leadingZeroIsWrong() {
    TestProgram program;
    // 20: the family 0 .. 9 with 7 missing.
    NumberFamilyScreen &form =
        openFamily(program, 1, digitFractions({0, 1, 2, 3, 4, 5, 6, 8, 9, 7}) << 0.0);
    QCOMPARE(form.task().expected, QStringLiteral("7"));
    ModalBoxes boxes({"OK", "OK"});
    typeKeys(form.okayButton(), "07");
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(form.answerField()->text(), QString());
    QCOMPARE(form.member(7)->text(), QStringLiteral("8")); // the same family stays
    QCOMPARE(form.task().expected, QStringLiteral("7"));

    typeKeys(form.okayButton(), "7E");
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe", "Zahleingabe 1/20"}));
}

void NumberFamilyTest::clickBuildsNewFamily() {
    TestProgram program;
    NumberFamilyScreen &form =
        openFamily(program, 3, digitFractions({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) << 0.0);
    typeKeys(form.okayButton(), "12");
    const int count = testApp().session().count();
    Random::script(digitFractions({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) << 0.5);
    QTest::mouseClick(form.answerField(), Qt::LeftButton);
    QCOMPARE(form.member(0)->text(), QStringLiteral("500"));
    QCOMPARE(form.task().expected, QStringLiteral("509"));
    QCOMPARE(form.answerField()->text(), QString()); // a new family empties the field
    QCOMPARE(testApp().session().count(), count);    // nothing counted
}

QTEST_MAIN(NumberFamilyTest)
#include "test_numberfamily.moc"
