// The neighbours screen driven from the menu through its real buttons, keys
// and boxes.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"

#include "core/NumberText.h"
#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/relations/NeighboursScreen.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using Kind = NeighboursTask::Kind;

namespace {

// The fraction that makes the task ask for this kind.
double fractionFor(Kind kind) {
    return kind == Kind::Predecessor ? 0.25 : 0.75;
}

int positionOf(int range) {
    const int ranges[] = {20, 100, 1000, 10000, 100000, 1000000};
    return int(std::find(std::begin(ranges), std::end(ranges), range) - ranges) + 1;
}

QString text(const QString &name) {
    return control<Label>(&testApp().neighbours(), name)->text();
}

// The answer the screen expects now, as the child must type it.
QString expectedAnswer() {
    return NumberText::digits(testApp().neighbours().task()->expected);
}

} // namespace

class NeighboursTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void controlsBeforeTheFirstTask();
    void taskOnTheScreen_data();
    void taskOnTheScreen();
    void refusedPlaceDoesNothing();
    void placeHeldAgainstLaterRangeChange();
    void rightAnswerCountsAndDrawsAgain();
    void wrongAnswersEmptyTheBoxAndKeepTheTask();
    void typingKeys();
    void clickOnABoxSkipsTheTask();

private:
    // Starts the program at the range and opens the neighbours screen with
    // the shown number and kind scripted.
    NeighboursScreen &open(TestProgram &program, int range, int shown, Kind kind);
};

NeighboursScreen &NeighboursTest::open(TestProgram &program, int range, int shown, Kind kind) {
    program.writeSettings(QByteArray::number(positionOf(range)) + " \r\n");
    MenuScreen &menu = program.start();
    Random::script({fractionFor(shown, range), fractionFor(kind)});
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl9")), Qt::LeftButton);
    return testApp().neighbours();
}

void NeighboursTest::controlsBeforeTheFirstTask() {
    TestProgram program;
    NeighboursScreen &form = testApp().neighbours();
    QVERIFY(!form.task());
    QVERIFY(!form.answerBox());
    QCOMPARE(text("Bezeichnung3"), QStringLiteral("Vorgänger"));
    QCOMPARE(text("Bezeichnung4"), QStringLiteral("Nachfolger"));
    QCOMPARE(text("Bezeichnung5"), QStringLiteral("E"));
    const QStringList names{"Befehl3", "Befehl4", "Befehl5", "Befehl6", "Befehl2", "Befehl1"};
    const QStringList captions{"E", "Z", "H", "T", "OKAY", "ENDE"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(control<QPushButton>(&form, names[i])->text(), captions[i]);
}

void NeighboursTest::taskOnTheScreen_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("placeButton");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QTest::addRow("E pred of 1 at 20") << 20 << "Befehl3" << 1 << 1 << "1"
                                       << "0";
    QTest::addRow("E succ at 20") << 20 << "Befehl3" << 12 << 2 << "12"
                                  << "13";
    QTest::addRow("draw of the range") << 20 << "Befehl3" << 20 << 2 << "19"
                                       << "20";
    QTest::addRow("Z succ at 20") << 20 << "Befehl4" << 10 << 2 << "10"
                                  << "20";
    QTest::addRow("Z pred at 100") << 100 << "Befehl4" << 47 << 1 << "47"
                                   << "40";
    QTest::addRow("Z succ of 95") << 100 << "Befehl4" << 95 << 2 << "95"
                                  << "100";
    QTest::addRow("H pred at 1000") << 1000 << "Befehl5" << 347 << 1 << "347"
                                    << "300";
    QTest::addRow("H succ of 999") << 1000 << "Befehl5" << 999 << 2 << "999"
                                   << "1000";
    QTest::addRow("T pred at 10000") << 10000 << "Befehl6" << 4321 << 1 << "4321"
                                     << "4000";
    QTest::addRow("T succ at 1000000") << 1000000 << "Befehl6" << 4321 << 2 << "4321"
                                       << "5000";
}

void NeighboursTest::taskOnTheScreen() {
    QFETCH(int, range);
    QFETCH(QString, placeButton);
    QFETCH(int, drawn);
    QFETCH(int, kind);
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    TestProgram program;
    ModalBoxes boxes;
    NeighboursScreen &form = open(program, range, 1, Kind::Predecessor);
    QCOMPARE(form.windowTitle(),
             QStringLiteral("ZUB-Zahlen bis") + QLatin1Char(' ') + QString::number(range));

    const Kind asked = Kind(kind);
    Random::script({fractionFor(drawn, range), fractionFor(asked)});
    QTest::mouseClick(control<QPushButton>(&form, placeButton), Qt::LeftButton);
    QCOMPARE(Random::scriptLeft(), 0);

    const QString place = control<QPushButton>(&form, placeButton)->text();
    QCOMPARE(text("Bezeichnung5"), place);
    const bool pred = asked == Kind::Predecessor;
    QCOMPARE(form.answerBox(), pred ? form.leftBox() : form.rightBox());
    QCOMPARE(text("Bezeichnung1"), pred ? QString() : shown);
    QCOMPARE(text("Bezeichnung2"), pred ? shown : QString());
    QCOMPARE(text("Bezeichnung3"), pred ? place + "-Vorgänger" : QStringLiteral("Z a h l"));
    QCOMPARE(text("Bezeichnung4"), pred ? QStringLiteral("Z a h l") : place + "-Nachfolger");
    QCOMPARE(expectedAnswer(), expected);
    QCOMPARE(form.focusWidget(), form.okayButton());
    QVERIFY(boxes.seen.isEmpty());
}

void NeighboursTest::refusedPlaceDoesNothing() {
    for (int range : {20, 100, 1000}) {
        TestProgram program;
        NeighboursScreen &form = open(program, range, 7, Kind::Successor);
        ModalBoxes boxes;
        Random::script({0.1, 0.1});
        QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl6")), Qt::LeftButton);
        if (range < 1000)
            QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl5")),
                              Qt::LeftButton);
        QCOMPARE(Random::scriptLeft(), 2); // no task was drawn
        QCOMPARE(text("Bezeichnung5"), QStringLiteral("E"));
        QCOMPARE(text("Bezeichnung1"), QStringLiteral("7"));
        QCOMPARE(text("Bezeichnung4"), QStringLiteral("E-Nachfolger"));
        QCOMPARE(expectedAnswer(), QStringLiteral("8"));
        QVERIFY(boxes.seen.isEmpty());
    }
}

void NeighboursTest::placeHeldAgainstLaterRangeChange() {
    TestProgram program;
    ModalBoxes boxes;
    NeighboursScreen &form = open(program, 10000, 7, Kind::Successor);
    QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl6")), Qt::LeftButton);
    QTest::mouseClick(form.endButton(), Qt::LeftButton);
    MenuScreen &menu = testApp().menu();
    menu.rangeBar()->setValue(2); // 100

    Random::script({fractionFor(57, 100), fractionFor(Kind::Successor)});
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl9")), Qt::LeftButton);
    QCOMPARE(text("Bezeichnung5"), QStringLiteral("T"));
    QCOMPARE(text("Bezeichnung4"), QStringLiteral("T-Nachfolger"));
    QCOMPARE(expectedAnswer(), QStringLiteral("1000"));

    Random::script({fractionFor(57, 100), fractionFor(Kind::Predecessor)});
    QTest::mouseClick(control<Label>(&form, QStringLiteral("Bezeichnung1")), Qt::LeftButton);
    QCOMPARE(text("Bezeichnung3"), QStringLiteral("T-Vorgänger"));
    QCOMPARE(expectedAnswer(), QStringLiteral("0"));
    QVERIFY(boxes.seen.isEmpty());
}

void NeighboursTest::rightAnswerCountsAndDrawsAgain() {
    TestProgram program;
    NeighboursScreen &form = open(program, 100, 47, Kind::Predecessor);
    ModalBoxes boxes({"OK"});
    Random::script({fractionFor(60, 100), fractionFor(Kind::Successor)});
    QTest::keyClicks(form.okayButton(), QStringLiteral("46"));
    QCOMPARE(text("Bezeichnung1"), QStringLiteral("46"));
    QTest::keyClick(form.okayButton(), Qt::Key_Return);

    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    QCOMPARE(testApp().session().count(), 1);
    // The next task: 60 in the left box, its successor asked on the right.
    QCOMPARE(text("Bezeichnung1"), QStringLiteral("60"));
    QCOMPARE(text("Bezeichnung2"), QString());
    QCOMPARE(form.answerBox(), form.rightBox());
    QCOMPARE(expectedAnswer(), QStringLiteral("61"));

    // OKAY runs the same check as Enter.
    Random::script({fractionFor(5, 100), fractionFor(Kind::Successor)});
    boxes.answer({"OK"});
    QTest::keyClicks(form.okayButton(), QStringLiteral("61"));
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 2/20"));
    QCOMPARE(text("Bezeichnung1"), QStringLiteral("5"));
    QCOMPARE(boxes.unexpected, 0);
}

void NeighboursTest::wrongAnswersEmptyTheBoxAndKeepTheTask() {
    TestProgram program;
    NeighboursScreen &form = open(program, 100, 47, Kind::Successor);
    ModalBoxes boxes({"OK", "OK"});
    QTest::keyClicks(form.okayButton(), QStringLiteral("048"));
    QTest::keyClick(form.okayButton(), Qt::Key_Return);
    QTest::keyClick(form.okayButton(), Qt::Key_Return); // an empty answer is wrong too

    QCOMPARE(boxes.seen.size(), 2);
    for (const SeenBox &box : boxes.seen) {
        QCOMPARE(box.title, QStringLiteral("Zahleingabe"));
        QCOMPARE(box.text, QStringLiteral("Fehler, bitte nochmals!\r"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QStringList{"OK"});
    }
    QCOMPARE(text("Bezeichnung2"), QString());
    QCOMPARE(text("Bezeichnung1"), QStringLiteral("47"));
    QCOMPARE(text("Bezeichnung4"), QStringLiteral("E-Nachfolger"));
    QCOMPARE(expectedAnswer(), QStringLiteral("48"));
    QVERIFY(testApp().session().count() == 0); // nothing counted
}

void NeighboursTest::typingKeys() {
    TestProgram program;
    ModalBoxes boxes;
    NeighboursScreen &form = open(program, 1000, 347, Kind::Predecessor);
    Label *answer = control<Label>(&form, QStringLiteral("Bezeichnung1"));
    QTest::keyClick(form.okayButton(), Qt::Key_Backspace);
    QCOMPARE(answer->text(), QString());
    QTest::keyClick(form.okayButton(), Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(form.okayButton(), Qt::Key_A);
    QCOMPARE(answer->text(), QString());
    QTest::keyClick(form.okayButton(), Qt::Key_3, Qt::ShiftModifier); // the key, not the symbol
    QTest::keyClicks(form.okayButton(), QStringLiteral("46"));
    QTest::keyClick(form.okayButton(), Qt::Key_Backspace);
    QCOMPARE(answer->text(), QStringLiteral("34"));
    QCOMPARE(text("Bezeichnung2"), QStringLiteral("347")); // the shown number is not typed on
    QVERIFY(boxes.seen.isEmpty());
}

void NeighboursTest::clickOnABoxSkipsTheTask() {
    TestProgram program;
    NeighboursScreen &form = open(program, 20, 3, Kind::Predecessor);
    ModalBoxes boxes;
    for (const char *name : {"Bezeichnung2", "Bezeichnung1"}) {
        Random::script({fractionFor(15, 20), fractionFor(Kind::Successor)});
        QTest::mouseClick(control<Label>(&form, QString::fromLatin1(name)), Qt::LeftButton);
        QCOMPARE(Random::scriptLeft(), 0);
        QCOMPARE(text("Bezeichnung1"), QStringLiteral("15"));
        QCOMPARE(expectedAnswer(), QStringLiteral("16"));
    }
    QVERIFY(boxes.seen.isEmpty());
    QVERIFY(testApp().session().count() == 0); // nothing counted
}

QTEST_MAIN(NeighboursTest)
#include "test_neighbours.moc"
