// The digits exercise without the screen: the places the sliders write, the
// verdict on a setting, the draw that six sliders can always form.
#include "core/Random.h"
#include "core/Session.h"
#include "core/numbers/DigitsRules.h"

#include <QTest>

class DigitsRulesTest : public QObject {
    Q_OBJECT
private slots:
    void slidersWriteTheirPlaces();
    void verdicts_data();
    void verdicts();
    void largestRangeDrawsAgainForSevenDigits();
};

void DigitsRulesTest::slidersWriteTheirPlaces() {
    DigitsTask task;
    QCOMPARE(task.places, QStringLiteral("0000000"));
    DigitsRules::setSlider(task, 6, 7);
    QCOMPARE(task.places, QStringLiteral("0700000"));
    DigitsRules::setSlider(task, 1, 9);
    DigitsRules::setSlider(task, 3, 3);
    QCOMPARE(task.places, QStringLiteral("0700309"));
    QCOMPARE(DigitsRules::word(task), QStringLiteral("siebenhunderttausenddreihundertneun"));
    QCOMPARE(DigitsRules::sliderDigits({0, 0, 2, 3, 4, 5}), QStringLiteral("002345"));
}

void DigitsRulesTest::verdicts_data() {
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("sliders");
    QTest::addColumn<bool>("right");
    QTest::addRow("exact") << "345"
                           << "000345" << true;
    QTest::addRow("places beyond the task") << "345"
                                            << "002345" << true;
    QTest::addRow("tens and units swapped") << "345"
                                            << "000354" << false;
    QTest::addRow("one place short") << "345"
                                     << "000045" << false;
    QTest::addRow("only units count") << "7"
                                      << "000097" << true;
    QTest::addRow("all six places") << "999999"
                                    << "999999" << true;
    QTest::addRow("sixth place wrong") << "999999"
                                       << "899999" << false;
    QTest::addRow("seven places never fit") << "1000000"
                                            << "000000" << false;
}

void DigitsRulesTest::verdicts() {
    QFETCH(QString, expected);
    QFETCH(QString, sliders);
    QFETCH(bool, right);
    DigitsTask task;
    task.expected = expected;
    QCOMPARE(DigitsRules::isRight(task, sliders), right);
}

void DigitsRulesTest::largestRangeDrawsAgainForSevenDigits() {
    Session session;
    session.setRange(1000000);
    // The top number twice, then 345.
    Random::script({0.9999999, 0.9999999, 344.5 / 1000000});
    QCOMPARE(DigitsRules::draw(session).expected, QStringLiteral("345"));
    QCOMPARE(Random::scriptLeft(), 0);
    // In every other range the top number stays where six places reach it.
    session.setRange(100000);
    Random::script({0.9999999});
    const DigitsTask task = DigitsRules::draw(session);
    QCOMPARE(task.expected, QStringLiteral("100000"));
    QCOMPARE(task.places, QStringLiteral("0000000"));
}

QTEST_GUILESS_MAIN(DigitsRulesTest)
#include "test_digits_rules.moc"
