// The rules of a counting row: the step text, which steps fit a range,
// where a row may start and how it is filled box by box.
#include "core/Random.h"
#include "core/relations/CountingRules.h"

#include <QTest>

class CountingRulesTest : public QObject {
    Q_OBJECT
private slots:
    void readStep_data();
    void readStep();
    void randomStepText();
    void stepFits_data();
    void stepFits();
    void startIsDrawnAgainUntilTheRowFits_data();
    void startIsDrawnAgainUntilTheRowFits();
    void everyStartKeepsTheRowInTheRange();
    void aStepThatDoesNotFitDrawsNothing();
    void rowFilledBoxByBox_data();
    void rowFilledBoxByBox();
    void answerComparedAsText_data();
    void answerComparedAsText();
};

void CountingRulesTest::readStep_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("width");
    QTest::addRow("+ 1") << "+ 1" << true << 1;
    QTest::addRow("- 1") << "- 1" << false << 1;
    QTest::addRow("+ 10") << "+ 10" << true << 10;
    QTest::addRow("- 1000") << "- 1000" << false << 1000;
    QTest::addRow("+ 7") << "+ 7" << true << 7;
}

void CountingRulesTest::readStep() {
    QFETCH(QString, text);
    QFETCH(bool, up);
    QFETCH(int, width);
    const CountingStep s = CountingRules::readStep(text);
    QCOMPARE(s.up, up);
    QCOMPARE(s.width, width);
    QCOMPARE(CountingRules::stepText(up, width), text); // and back
}

void CountingRulesTest::randomStepText() {
    Random::script({0.0, 0.35, 0.9999, 0.45});
    QCOMPARE(CountingRules::randomStepText(true), QStringLiteral("+ 1"));
    QCOMPARE(CountingRules::randomStepText(false), QStringLiteral("- 4"));
    QCOMPARE(CountingRules::randomStepText(false), QStringLiteral("- 10"));
    QCOMPARE(CountingRules::randomStepText(true), QStringLiteral("+ 5"));
}

void CountingRulesTest::stepFits_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("fits");
    QTest::addRow("20, 1") << 20 << 1 << true;
    QTest::addRow("20, 4") << 20 << 4 << true;
    QTest::addRow("20, 5") << 20 << 5 << false; // 4 * 5 = 20 leaves no start
    QTest::addRow("20, 10") << 20 << 10 << false;
    QTest::addRow("20, 100") << 20 << 100 << false;
    QTest::addRow("100, 10") << 100 << 10 << true;
    QTest::addRow("100, 24") << 100 << 24 << true;
    QTest::addRow("100, 25") << 100 << 25 << false;
    QTest::addRow("100, 100") << 100 << 100 << false;
    QTest::addRow("1000, 100") << 1000 << 100 << true;
    QTest::addRow("1000, 1000") << 1000 << 1000 << false;
    QTest::addRow("10000, 1000") << 10000 << 1000 << true;
    QTest::addRow("1000000, 1000") << 1000000 << 1000 << true;
}

void CountingRulesTest::stepFits() {
    QFETCH(int, range);
    QFETCH(int, width);
    QFETCH(bool, fits);
    QCOMPARE(CountingRules::stepFits({true, width}, range), fits);
    QCOMPARE(CountingRules::stepFits({false, width}, range), fits);
}

void CountingRulesTest::startIsDrawnAgainUntilTheRowFits_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("start");
    // Each list ends with the first draw that fits; the ones before it do not.
    QTest::addRow("100 up 10") << 100 << "+ 10" << QList<double>{0.705, 0.605, 0.595} << 60;
    QTest::addRow("100 up 10, lowest") << 100 << "+ 10" << QList<double>{0.0} << 1;
    QTest::addRow("100 down 10") << 100 << "- 10" << QList<double>{0.395, 0.405} << 41;
    QTest::addRow("100 down 10, highest") << 100 << "- 10" << QList<double>{0.9999} << 100;
    QTest::addRow("10000 down 1000")
        << 10000 << "- 1000" << QList<double>{0.39995, 0.1, 0.40005} << 4001;
    QTest::addRow("20 up 4") << 20 << "+ 4" << QList<double>{0.99, 0.2, 0.175} << 4;
    QTest::addRow("20 down 4") << 20 << "- 4" << QList<double>{0.775, 0.825} << 17;
}

void CountingRulesTest::startIsDrawnAgainUntilTheRowFits() {
    QFETCH(int, range);
    QFETCH(QString, step);
    QFETCH(QList<double>, draws);
    QFETCH(int, start);
    Random::script(draws);
    QCOMPARE(CountingRules::drawStart(CountingRules::readStep(step), range), start);
    QCOMPARE(Random::scriptLeft(), 0);
}

void CountingRulesTest::everyStartKeepsTheRowInTheRange() {
    Random::seed(7);
    for (int range : {20, 100, 1000, 10000, 100000, 1000000}) {
        for (int width : {1, 2, 4, 10, 24, 100, 1000}) {
            for (bool up : {true, false}) {
                const CountingStep s{up, width};
                if (!CountingRules::stepFits(s, range))
                    continue;
                for (int i = 0; i < 200; ++i) {
                    const int start = CountingRules::drawStart(s, range);
                    const int end = up ? start + 4 * width : start - 4 * width;
                    QVERIFY2(start >= 1 && start <= range && end >= 1 && end <= range,
                             qPrintable(QStringLiteral("range %1 step %2 start %3")
                                            .arg(range)
                                            .arg(width)
                                            .arg(start)));
                }
            }
        }
    }
}

void CountingRulesTest::aStepThatDoesNotFitDrawsNothing() {
    // Such a step has no start at all; asking for one must come back at once.
    Random::script({0.5});
    CountingRules::drawStart({true, 5}, 20);
    CountingRules::drawStart({false, 10}, 20);
    QCOMPARE(Random::scriptLeft(), 1);
}

void CountingRulesTest::rowFilledBoxByBox_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("startBox");
    QTest::addColumn<QList<int>>("boxes");    // the boxes asked, in order
    QTest::addColumn<QList<int>>("expected"); // the numbers they need
    QTest::addRow("up by 10 from 31")
        << "+ 10" << 100 << 0.305 << 1 << QList<int>{2, 3, 4, 5} << QList<int>{41, 51, 61, 71};
    QTest::addRow("down by 1000 from 10000")
        << "- 1000" << 10000 << 0.9999 << 5 << QList<int>{4, 3, 2, 1}
        << QList<int>{9000, 8000, 7000, 6000};
    QTest::addRow("up by 1 from 1")
        << "+ 1" << 20 << 0.0 << 1 << QList<int>{2, 3, 4, 5} << QList<int>{2, 3, 4, 5};
}

void CountingRulesTest::rowFilledBoxByBox() {
    QFETCH(QString, step);
    QFETCH(int, range);
    QFETCH(double, draw);
    QFETCH(int, startBox);
    QFETCH(QList<int>, boxes);
    QFETCH(QList<int>, expected);
    Random::script({draw});
    CountingTask task = CountingRules::drawTask(CountingRules::readStep(step), range);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(CountingRules::startBox(task.step), startBox);
    for (qsizetype k = 0; k < boxes.size(); ++k) {
        QCOMPARE(task.box, boxes[k]);
        QCOMPARE(task.expected, expected[k]);
        QCOMPARE(CountingRules::moveOn(task), k + 1 < boxes.size());
    }
    // The last box completes the row and leaves the task as it was.
    QCOMPARE(task.box, boxes.last());
    QCOMPARE(task.expected, expected.last());
}

void CountingRulesTest::answerComparedAsText_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::addRow("the digits") << "11" << true;
    QTest::addRow("a leading zero") << "011" << false;
    QTest::addRow("empty") << "" << false;
}

void CountingRulesTest::answerComparedAsText() {
    QFETCH(QString, answer);
    QFETCH(bool, right);
    CountingTask task;
    task.expected = 11;
    QCOMPARE(CountingRules::isRight(task, answer), right);
}

QTEST_GUILESS_MAIN(CountingRulesTest)
#include "test_counting_rules.moc"
