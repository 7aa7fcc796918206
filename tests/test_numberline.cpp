// The number line screen driven through its controls: the layout, the step
// buttons with their refusal of steps too large, and the answers.
#include "ModalBoxes.h"
#include "Program.h"
#include "structure_typing.h"

#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/structure/NumberLineScreen.h"
#include "ui/structure/ShapeControls.h"

#include <QPushButton>
#include <QScrollBar>

namespace {

const int ranges[] = {20, 100, 1000, 10000, 100000, 1000000};

int rangePosition(int range) {
    int position = 1;
    for (int r : ranges) {
        if (r == range)
            return position;
        ++position;
    }
    return 1;
}

// Starts the program at the range and opens the number line with n drawn.
NumberLineScreen &openNumberLine(TestProgram &program, int range, int drawn) {
    program.writeSettings(QByteArray::number(rangePosition(range)) + " \r\n");
    MenuScreen &menu = program.start();
    Random::script({fractionFor(drawn, range)});
    control<QPushButton>(&menu, "Befehl6")->click();
    return testApp().numberLine();
}

QString caption(QWidget *screen, const char *name) {
    return control<QLabel>(screen, QString::fromLatin1(name))->text();
}

} // namespace

class NumberLineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void controlsAndLayout();
    void stepButtons_data();
    void stepButtons();
    void stepSurvivesMenuVisit();
    void rightAndWrongAnswers();
    void newLineKeepsTypedDigits();
};

void NumberLineTest::controlsAndLayout() {
    TestProgram program;
    NumberLineScreen &form = openNumberLine(program, 1000, 500);
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("ZUB-Zahlen bis 1000"));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(128, 255, 128));
    QCOMPARE(caption(&form, "Bezeichnung2"), QStringLiteral("Eingabe mit [Enter]"));
    QCOMPARE(caption(&form, "Bezeichnung5"), QStringLiteral("1"));
    QCOMPARE(control<QPushButton>(&form, "Befehl1")->text(), QStringLiteral("ENDE"));
    QCOMPARE(control<QPushButton>(&form, "Befehl2")->text(), QStringLiteral("OKAY"));

    // The ticks stand 720 twips apart; the middle one leads down to the answer field.
    for (int k = 0; k <= 10; ++k) {
        auto *tick = control<LineControl>(&form, QStringLiteral("Linie%1").arg(k + 2));
        QCOMPARE(tick->from().x(), (240 + 720 * k) / 15);
        QCOMPARE(tick->to().x(), tick->from().x());
        QCOMPARE(tick->to().y(), k == 5 ? 1320 / 15 : 960 / 15);
        QCOMPARE(tick->from().y(), k == 0 || k == 10 ? 480 / 15 : 720 / 15);
    }
    auto *line = control<LineControl>(&form, "Linie1");
    QCOMPARE(line->from(), QPoint(120 / 15, 840 / 15));
    QCOMPARE(line->to(), QPoint(7560 / 15, 840 / 15));
    auto *field = control<Label>(&form, "Bezeichnung1");
    QCOMPARE(field->x() + field->width() / 2, 3840 / 15);
    QCOMPARE(field->geometry().top(), 1320 / 15);
    // The largest middle number there can be (999400 with step 100) fits the field.
    QVERIFY(field->fontMetrics().horizontalAdvance(QStringLiteral("999400")) < field->width());
    // The step is written on the arrow.
    auto *shaft = control<LineControl>(&form, "Linie13");
    QVERIFY(form.stepLabel()->geometry().contains(
        QPoint(shaft->geometry().center().x(), shaft->from().y())));
    for (const char *name : {"Linie14", "Linie15", "Linie16"})
        QVERIFY(control<LineControl>(&form, QString::fromLatin1(name))->isVisible());
}

void NumberLineTest::stepButtons_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("buttonCaption");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("stepAfter");
    QTest::addRow("1000 step 20") << 1000 << "Befehl7"
                                  << " 20" << true << "1";
    QTest::addRow("1000 step 100") << 1000 << "Befehl9"
                                   << "100" << true << "1";
    QTest::addRow("1000 step 10") << 1000 << "Befehl6"
                                  << "10" << false << "10";
    QTest::addRow("20 step 2") << 20 << "Befehl4"
                               << " 2" << true << "1";
    QTest::addRow("20 step 5") << 20 << "Befehl5"
                               << " 5" << true << "1";
    QTest::addRow("20 step 10") << 20 << "Befehl6"
                                << "10" << true << "1";
    QTest::addRow("100 step 10") << 100 << "Befehl6"
                                 << "10" << true << "1";
    QTest::addRow("100 step 5") << 100 << "Befehl5"
                                << " 5" << false << "5";
    QTest::addRow("10000 step 50") << 10000 << "Befehl8"
                                   << " 50" << false << "50";
    QTest::addRow("1000000 step 100") << 1000000 << "Befehl9"
                                      << "100" << false << "100";
}

void NumberLineTest::stepButtons() {
    QFETCH(int, range);
    QFETCH(QString, button);
    QFETCH(QString, buttonCaption);
    QFETCH(bool, refused);
    QFETCH(QString, stepAfter);
    TestProgram program;
    NumberLineScreen &form = openNumberLine(program, range, 1);
    auto *stepButton = control<QPushButton>(&form, button);
    QCOMPARE(stepButton->text(), buttonCaption);

    ModalBoxes boxes(refused ? QStringList{"OK"} : QStringList{});
    Random::script({fractionFor(range, range)}); // the largest number: the line at its right edge
    QTest::mouseClick(stepButton, Qt::LeftButton);
    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(boxes.seen.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(boxes.last().title, QStringLiteral("Zahlenstrahl"));
        QCOMPARE(boxes.last().text, QStringLiteral("Zahlabstand ist zu groß!\r"));
        QCOMPARE(boxes.last().icon, QMessageBox::NoIcon);
        QCOMPARE(boxes.last().buttons, QStringList{"OK"});
    }
    QCOMPARE(form.stepLabel()->text(), stepAfter);
    const int step = stepAfter.toInt();
    QCOMPARE(form.task().expected, QString::number(range - 6 * step));
    QCOMPARE(form.task().step, step);
    QCOMPARE(form.leftEnd()->text(), QString::number(range - 11 * step));
    QCOMPARE(form.rightEnd()->text(), QString::number(range - step));
    QCOMPARE(form.focusWidget(),
             form.okayButton()); // a click on the step button would have kept it
}

void NumberLineTest::stepSurvivesMenuVisit() {
    TestProgram program;
    NumberLineScreen &form = openNumberLine(program, 10000, 5000);
    QTest::mouseClick(control<QPushButton>(&form, "Befehl8"), Qt::LeftButton);
    QCOMPARE(form.stepLabel()->text(), QStringLiteral("50"));
    typeKeys(form.okayButton(), "12");

    QTest::mouseClick(form.endButton(), Qt::LeftButton);
    MenuScreen &menu = testApp().menu();
    QVERIFY(!form.isVisible());
    QVERIFY(menu.isVisible());

    Random::script({fractionFor(1, 10000)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl6"), Qt::LeftButton);
    QCOMPARE(&testApp().numberLine(), &form); // the same screen, only shown again
    QVERIFY(form.isVisible());
    QCOMPARE(form.stepLabel()->text(), QStringLiteral("50"));
    QCOMPARE(form.task().step, 50);
    QCOMPARE(form.task().expected, QStringLiteral("300"));
    QCOMPARE(form.leftEnd()->text(), QStringLiteral("50"));
    QCOMPARE(form.rightEnd()->text(), QStringLiteral("550"));
    QCOMPARE(form.answerField()->text(), QStringLiteral("12"));
}

void NumberLineTest::rightAndWrongAnswers() {
    TestProgram program;
    NumberLineScreen &form = openNumberLine(program, 20, 17);
    QCOMPARE(form.task().expected, QStringLiteral("14"));
    QCOMPARE(form.leftEnd()->text(), QStringLiteral("9"));
    QCOMPARE(form.rightEnd()->text(), QStringLiteral("19"));

    // Wrong: the error box, the field emptied, the same line stays.
    ModalBoxes boxes({"OK"});
    typeKeys(form.okayButton(), "15E");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(form.answerField()->text(), QString());
    QCOMPARE(form.leftEnd()->text(), QStringLiteral("9"));

    // Keypad digits type nothing; Backspace mends a slip.
    typeKeys(form.okayButton(), "K13B4");
    QCOMPARE(form.answerField()->text(), QStringLiteral("14"));

    // Right, through OKAY: counted, field emptied, a new line with the same step.
    boxes.answer({"OK"});
    Random::script({fractionFor(8, 20)});
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    QCOMPARE(form.answerField()->text(), QString());
    QCOMPARE(form.task().expected, QStringLiteral("8"));
    QCOMPARE(form.leftEnd()->text(), QStringLiteral("3"));
    QCOMPARE(boxes.unexpected, 0);
}

void NumberLineTest::newLineKeepsTypedDigits() {
    TestProgram program;
    NumberLineScreen &form = openNumberLine(program, 100, 50);
    typeKeys(form.okayButton(), "42");
    Random::script({fractionFor(42, 100)});
    QTest::mouseClick(form.answerField(), Qt::LeftButton);
    QCOMPARE(form.answerField()->text(), QStringLiteral("42"));
    QCOMPARE(form.leftEnd()->text(), QStringLiteral("37"));

    // OKAY judges the kept digits against the new line.
    ModalBoxes boxes({"OK"});
    Random::script({fractionFor(60, 100)});
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe 1/20"});
}

QTEST_MAIN(NumberLineTest)
#include "test_numberline.moc"
