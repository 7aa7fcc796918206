// The counting screen driven from the menu: step buttons, the conflict box,
// whole rows typed up and down, colours and the one count per row.
#include "ModalBoxes.h"
#include "Program.h"

#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/relations/CountingScreen.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);

int positionOf(int range) {
    const int ranges[] = {20, 100, 1000, 10000, 100000, 1000000};
    return int(std::find(std::begin(ranges), std::end(ranges), range) - ranges) + 1;
}

// The largest step whose row of five still fits into the range.
int largestFittingStep(int range) {
    return range == 20 ? 4 : range / 4 - 1;
}

QString stepText(CountingScreen &form) {
    return form.stepLabel()->text();
}

QStringList boxTexts(CountingScreen &form) {
    QStringList texts;
    for (int i = 1; i <= 5; ++i)
        texts << form.box(i)->text();
    return texts;
}

// Fails unless exactly the given box is green and the others red.
bool onlyGreen(CountingScreen &form, int green_) {
    for (int i = 1; i <= 5; ++i) {
        const QColor c = form.box(i)->palette().color(QPalette::Window);
        if (!form.box(i)->autoFillBackground() || c != (i == green_ ? green : red))
            return false;
    }
    return true;
}

void typeAndEnter(CountingScreen &form, const QString &digits) {
    QTest::keyClicks(form.okayButton(), digits);
    QTest::keyClick(form.okayButton(), Qt::Key_Return);
}

} // namespace

class CountingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void openingAtEveryRange();
    void rowsForEveryStepButtonAndRange_data();
    void rowsForEveryStepButtonAndRange();
    void startDrawnAgainOnTheScreen();
    void wrongBoxKeepsItsText();
    void keysOnTheAnswerBox();
    void clickOnTheStepBuildsANewRow();
    void stepHeldBetweenVisits();

private:
    CountingScreen &open(TestProgram &program, int range);
};

CountingScreen &CountingTest::open(TestProgram &program, int range) {
    program.writeSettings(QByteArray::number(positionOf(range)) + " \r\n");
    MenuScreen &menu = program.start();
    Random::seed(11);
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl11")), Qt::LeftButton);
    return testApp().counting();
}

void CountingTest::openingAtEveryRange() {
    for (int range : {20, 100, 1000, 10000, 100000, 1000000}) {
        TestProgram program;
        ModalBoxes boxes;
        CountingScreen &form = open(program, range);
        QVERIFY(boxes.seen.isEmpty()); // no range limit for counting
        QCOMPARE(testApp().session().range(), range);
        QCOMPARE(form.windowTitle(), QStringLiteral("ZUB-Zahlen bis %1").arg(range));
        QCOMPARE(stepText(form), QStringLiteral("+ 1"));
        QCOMPARE(form.task().box, 2);
        QCOMPARE(form.task().expected, form.box(1)->text().toInt() + 1);
        QVERIFY(onlyGreen(form, 2));
        QCOMPARE(form.focusWidget(), form.okayButton());
    }
    TestProgram program;
    const QStringList captions{" - E", " - Z", " - H", " - T", " + E", " + Z",
                               " + H", " + T", "- ?",  "+ ?",  "OKAY", "ENDE"};
    const QStringList names{"Befehl3", "Befehl4",  "Befehl5",  "Befehl6",  "Befehl7", "Befehl8",
                            "Befehl9", "Befehl10", "Befehl11", "Befehl12", "Befehl2", "Befehl1"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(control<QPushButton>(&testApp().counting(), names[i])->text(), captions[i]);
}

void CountingTest::rowsForEveryStepButtonAndRange_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("randomStep"); // the fraction for "- ?" and "+ ?"
    QTest::addColumn<QString>("chosen");

    struct Fixed {
        const char *button;
        const char *text;
    };
    const Fixed fixed[] = {{"Befehl3", "- 1"},    {"Befehl4", "- 10"},   {"Befehl5", "- 100"},
                           {"Befehl6", "- 1000"}, {"Befehl7", "+ 1"},    {"Befehl8", "+ 10"},
                           {"Befehl9", "+ 100"},  {"Befehl10", "+ 1000"}};
    for (int range : {20, 100, 1000, 10000, 100000, 1000000}) {
        for (const Fixed &f : fixed)
            QTest::addRow("%d %s", range, f.text)
                << range << QString::fromLatin1(f.button) << -1.0 << QString::fromLatin1(f.text);
        for (int r : {1, 4, 5, 10}) {
            const double fraction = (r - 0.5) / 10;
            QTest::addRow("%d - ?%d", range, r)
                << range << "Befehl11" << fraction << QStringLiteral("- %1").arg(r);
            QTest::addRow("%d + ?%d", range, r)
                << range << "Befehl12" << fraction << QStringLiteral("+ %1").arg(r);
        }
    }
}

void CountingTest::rowsForEveryStepButtonAndRange() {
    QFETCH(int, range);
    QFETCH(QString, button);
    QFETCH(double, randomStep);
    QFETCH(QString, chosen);
    TestProgram program;
    CountingScreen &form = open(program, range);

    const int chosenWidth = chosen.mid(2).toInt();
    // At range 20 the steps 5 to 10 once hung the program; now they conflict.
    const bool conflict = chosenWidth > largestFittingStep(range);
    ModalBoxes boxes(conflict ? QStringList{"OK"} : QStringList{});
    if (randomStep >= 0)
        Random::script({randomStep});
    QTest::mouseClick(control<QPushButton>(&form, button), Qt::LeftButton);

    if (conflict) {
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Zahlenkonflikt"));
        QCOMPARE(boxes.last().text, QStringLiteral("Auswahl passt nicht\rzu dem Zahlenraum!\r"));
        QCOMPARE(boxes.last().icon, QMessageBox::NoIcon);
        QCOMPARE(boxes.last().buttons, QStringList{"OK"});
        QCOMPARE(stepText(form), QStringLiteral("+ 1"));
    } else {
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(stepText(form), chosen);
    }

    const bool up = stepText(form).startsWith(QLatin1Char('+'));
    const int step = stepText(form).mid(2).toInt();
    const int startBox = up ? 1 : 5;
    const int start = form.box(startBox)->text().toInt();
    QStringList expectedBoxes(5);
    expectedBoxes[startBox - 1] = QString::number(start);
    QCOMPARE(boxTexts(form), expectedBoxes);
    const int last = up ? start + 4 * step : start - 4 * step;
    QVERIFY(start >= 1 && start <= range && last >= 1 && last <= range);

    // The child fills the row box by box; the green mark walks along.
    for (int k = 1; k <= 4; ++k) {
        const int box = up ? 1 + k : 5 - k;
        QCOMPARE(form.task().box, box);
        QVERIFY(onlyGreen(form, box));
        const QString number = QString::number(up ? start + k * step : start - k * step);
        expectedBoxes[box - 1] = number;
        if (k == 4)
            boxes.answer({"OK"});
        typeAndEnter(form, number);
        if (k < 4) {
            QCOMPARE(boxTexts(form), expectedBoxes); // the typed numbers stay
            QCOMPARE(boxes.seen.size(), conflict ? 1 : 0);
        }
    }
    // Only the completed row counts, once.
    QCOMPARE(boxes.seen.size(), conflict ? 2 : 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(testApp().session().count(), 1);
    QCOMPARE(boxes.unexpected, 0);

    // A new row with the same step.
    QCOMPARE(stepText(form),
             up ? QStringLiteral("+ %1").arg(step) : QStringLiteral("- %1").arg(step));
    QVERIFY(!form.box(startBox)->text().isEmpty());
    QCOMPARE(boxTexts(form).join(QString()), form.box(startBox)->text());
    QVERIFY(onlyGreen(form, up ? 2 : 4));
}

void CountingTest::startDrawnAgainOnTheScreen() {
    TestProgram program;
    ModalBoxes boxes;
    CountingScreen &form = open(program, 100);
    Random::script({0.705, 0.305});
    QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl8")), Qt::LeftButton);
    QCOMPARE(boxTexts(form), (QStringList{"31", "", "", "", ""}));
    QCOMPARE(form.task().expected, 41);

    Random::script({0.395, 0.405});
    QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl4")), Qt::LeftButton);
    QCOMPARE(boxTexts(form), (QStringList{"", "", "", "", "41"}));
    QCOMPARE(form.task().expected, 31);
    QCOMPARE(form.task().box, 4);
    QCOMPARE(Random::scriptLeft(), 0);
    QVERIFY(boxes.seen.isEmpty());
}

void CountingTest::wrongBoxKeepsItsText() {
    TestProgram program;
    CountingScreen &form = open(program, 100);
    Random::script({0.095}); // start 10, step "+ 1"
    QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl7")), Qt::LeftButton);
    ModalBoxes boxes({"OK", "OK"});
    typeAndEnter(form, QStringLiteral("011"));
    QTest::keyClick(form.okayButton(), Qt::Key_Return);
    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(form.box(2)->text(), QStringLiteral("011"));
    QCOMPARE(form.task().box, 2);
    QVERIFY(onlyGreen(form, 2));

    // Corrected with Backspace, the box is right and the mark moves on.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(form.okayButton(), Qt::Key_Backspace);
    typeAndEnter(form, QStringLiteral("11"));
    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(form.task().box, 3);
    QVERIFY(onlyGreen(form, 3));
}

void CountingTest::keysOnTheAnswerBox() {
    TestProgram program;
    ModalBoxes boxes;
    CountingScreen &form = open(program, 1000);
    QTest::keyClick(form.okayButton(), Qt::Key_Backspace);
    QCOMPARE(form.box(2)->text(), QString());
    QTest::keyClick(form.okayButton(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(form.okayButton(), Qt::Key_X);
    QCOMPARE(form.box(2)->text(), QString());
    QTest::keyClick(form.okayButton(), Qt::Key_5, Qt::ShiftModifier);
    QTest::keyClicks(form.okayButton(), QStringLiteral("12"));
    QTest::keyClick(form.okayButton(), Qt::Key_Backspace);
    QCOMPARE(form.box(2)->text(), QStringLiteral("51"));
    QCOMPARE(form.box(3)->text(), QString());
    QVERIFY(boxes.seen.isEmpty());
}

void CountingTest::clickOnTheStepBuildsANewRow() {
    TestProgram program;
    ModalBoxes boxes;
    CountingScreen &form = open(program, 10000);
    Random::script({0.40005}); // "- 1000" starts at 4001 at the lowest
    QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl6")), Qt::LeftButton);
    QCOMPARE(form.box(5)->text(), QStringLiteral("4001"));
    QTest::keyClicks(form.okayButton(), QStringLiteral("3001"));
    Random::script({0.9999});
    QTest::mouseClick(form.stepLabel(), Qt::LeftButton);
    QCOMPARE(stepText(form), QStringLiteral("- 1000"));
    QCOMPARE(boxTexts(form), (QStringList{"", "", "", "", "10000"}));
    QCOMPARE(form.task().expected, 9000);
    QVERIFY(onlyGreen(form, 4));
    QVERIFY(boxes.seen.isEmpty());
}

void CountingTest::stepHeldBetweenVisits() {
    TestProgram program;
    ModalBoxes boxes; // an unexpected box is answered, not waited for
    CountingScreen &form = open(program, 1000);
    QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl4")), Qt::LeftButton);
    QTest::mouseClick(form.endButton(), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    MenuScreen &menu = testApp().menu();
    QVERIFY(menu.isVisible());
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl11")), Qt::LeftButton);
    QCOMPARE(stepText(form), QStringLiteral("- 10"));
    QCOMPARE(form.task().box, 4);

    // A smaller range later turns the held step into a conflict on the next visit.
    QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl5")), Qt::LeftButton);
    QCOMPARE(stepText(form), QStringLiteral("- 100"));
    QTest::mouseClick(form.endButton(), Qt::LeftButton);
    menu.rangeBar()->setValue(2); // 100
    boxes.answer({"OK"});
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl11")), Qt::LeftButton);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahlenkonflikt"});
    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(stepText(form), QStringLiteral("+ 1"));
    QVERIFY(onlyGreen(form, 2));
}

QTEST_MAIN(CountingTest)
#include "test_counting.moc"
