// The decomposition screen: the plus signs that come by themselves while the
// child types, and the screen end to end.
#include "ModalBoxes.h"
#include "Program.h"
#include "structure_typing.h"

#include "core/Random.h"
#include "core/structure/DecompositionRules.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/structure/DecompositionScreen.h"
#include "ui/structure/ShapeControls.h"

#include <QPushButton>

namespace {

// Opens the decomposition at 1000000 with n as the task.
DecompositionScreen &openDecomposition(TestProgram &program, int n) {
    program.writeSettings(" 6 \r\n");
    MenuScreen &menu = program.start();
    Random::script({fractionFor(n, 1000000)});
    control<QPushButton>(&menu, "Befehl8")->click();
    return testApp().decomposition();
}

} // namespace

class DecompositionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void typing_data();
    void typing();
    void screenLayout();
    void rightAnswer();
    void wrongAnswerEmptiesFieldFirst();
    void clickBuildsNewTask();
};

void DecompositionTest::typing_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("keys"); // B Backspace, S Shift, K keypad 5
    QTest::addColumn<QString>("field");
    QTest::addRow("3407 first term") << 3407 << "3000"
                                     << "3000+";
    QTest::addRow("3407 whole sum") << 3407 << "30004007"
                                    << "3000+400+7";
    QTest::addRow("105 follows positions") << 105 << "105"
                                           << "105+";
    QTest::addRow("304 never 3+0+4") << 304 << "304"
                                     << "304+";
    QTest::addRow("backspace over plus") << 3407 << "3000B"
                                         << "3000";
    QTest::addRow("digit after backspace") << 3407 << "3000B5"
                                           << "30005";
    QTest::addRow("shift puts plus back") << 3407 << "3000BS"
                                          << "3000+";
    QTest::addRow("backspace digit and plus") << 3407 << "3000BB"
                                              << "300";
    QTest::addRow("backspace on empty") << 3407 << "BB"
                                        << "";
    QTest::addRow("plus key not taken") << 3407 << "3+"
                                        << "3";
    QTest::addRow("keypad not taken") << 3407 << "K"
                                      << "";
    QTest::addRow("single digit") << 7 << "7S"
                                  << "7";
    QTest::addRow("one term") << 500 << "500S"
                              << "500";
    QTest::addRow("no length limit") << 10 << "10999"
                                     << "10999";
    QTest::addRow("longest sum") << 999999 << "90000090000900090090"
                                 << "900000+90000+9000+900+90+";
}

void DecompositionTest::typing() {
    QFETCH(int, number);
    QFETCH(QString, keys);
    QFETCH(QString, field);
    TestProgram program;
    DecompositionScreen &form = openDecomposition(program, number);
    QCOMPARE(form.numberField()->text(), QString::number(number));
    QCOMPARE(form.task().expected, DecompositionRules::placeValueSum(number));
    typeKeys(form.okayButton(), keys);
    QCOMPARE(form.answerField()->text(), field);
}

void DecompositionTest::screenLayout() {
    TestProgram program;
    DecompositionScreen &form = openDecomposition(program, 999999);
    QCOMPARE(form.windowTitle(), QStringLiteral("ZUB-Zahlen bis 1000000"));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(control<QLabel>(&form, "Bezeichnung3")->text(), QStringLiteral("="));
    auto *hint = control<QLabel>(&form, "Bezeichnung4");
    QCOMPARE(hint->text(), QStringLiteral("Eingabe mit [Enter]"));
    QVERIFY(hint->alignment() & Qt::AlignRight);
    QVERIFY(form.numberField()->alignment() & Qt::AlignRight);
    QVERIFY(form.answerField()->alignment() & Qt::AlignLeft);
    QVERIFY(form.answerField()->font().bold());
    // The longest sum fits into the answer field, and the row into its frame.
    const QString longest = DecompositionRules::placeValueSum(999999);
    QCOMPARE(longest.size(), 26);
    QVERIFY(form.answerField()->fontMetrics().horizontalAdvance(longest) <
            form.answerField()->width());
    const QString widest = QString::number(1000000);
    QVERIFY(form.numberField()->fontMetrics().horizontalAdvance(widest) <
            form.numberField()->width());
    auto *frame = control<ShapeControl>(&form, "Figur1");
    QVERIFY(frame->geometry().contains(form.answerField()->geometry()));
    QVERIFY(frame->geometry().contains(form.numberField()->geometry()));
    // The buttons stand at the left below the row.
    QVERIFY(form.endButton()->y() > frame->geometry().bottom());
    QVERIFY(form.okayButton()->x() < form.width() / 2);
}

void DecompositionTest::rightAnswer() {
    TestProgram program;
    DecompositionScreen &form = openDecomposition(program, 90210);
    ModalBoxes boxes({"OK"});
    typeKeys(form.okayButton(), "90000200");
    QCOMPARE(form.answerField()->text(), QStringLiteral("90000+200+"));
    typeKeys(form.okayButton(), "10");
    Random::script({fractionFor(3407, 1000000)});
    typeKeys(form.okayButton(), "E");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    QCOMPARE(form.numberField()->text(), QStringLiteral("3407"));
    QCOMPARE(form.task().expected, QStringLiteral("3000+400+7"));
    QCOMPARE(form.answerField()->text(), QString());

    // OKAY takes the same way as Enter.
    boxes.answer({"OK"});
    Random::script({fractionFor(7, 1000000)});
    typeKeys(form.okayButton(), "30004007");
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 2/20"));
    QCOMPARE(form.task().expected, QStringLiteral("7"));
    QCOMPARE(boxes.unexpected, 0);
}

void DecompositionTest::wrongAnswerEmptiesFieldFirst() {
    TestProgram program;
    DecompositionScreen &form = openDecomposition(program, 3407);
    ModalBoxes boxes({"OK"});
    QString fieldWhileBoxShown = QStringLiteral("unset");
    boxes.onBox = [&](const SeenBox &) { fieldWhileBoxShown = form.answerField()->text(); };
    typeKeys(form.okayButton(), "3000B5E");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(fieldWhileBoxShown, QString());
    // The plus step after Enter adds nothing to the emptied field; the task stays.
    QCOMPARE(form.answerField()->text(), QString());
    QCOMPARE(form.numberField()->text(), QStringLiteral("3407"));
    QCOMPARE(form.task().expected, QStringLiteral("3000+400+7"));
}

void DecompositionTest::clickBuildsNewTask() {
    TestProgram program;
    DecompositionScreen &form = openDecomposition(program, 3407);
    typeKeys(form.okayButton(), "30");
    const int count = testApp().session().count();
    Random::script({fractionFor(105, 1000000)});
    QTest::mouseClick(form.numberField(), Qt::LeftButton);
    QCOMPARE(form.numberField()->text(), QStringLiteral("105"));
    QCOMPARE(form.task().expected, QStringLiteral("100+5"));
    QCOMPARE(form.answerField()->text(), QString());
    QCOMPARE(testApp().session().count(), count);
}

QTEST_MAIN(DecompositionTest)
#include "test_decomposition.moc"
