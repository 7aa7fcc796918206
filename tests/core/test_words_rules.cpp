// The words exercise without the screen: one draw gives word and digits, and
// the typed digits are compared as text.
#include "core/Random.h"
#include "core/numbers/WordsRules.h"

#include <QTest>

class WordsRulesTest : public QObject {
    Q_OBJECT
private slots:
    void oneDrawGivesWordAndDigits();
};

void WordsRulesTest::oneDrawGivesWordAndDigits() {
    Random::script({16015.5 / 100000}); // draws 16016
    const WordsTask task = WordsRules::draw(100000);
    QCOMPARE(task.word, QStringLiteral("sechszehntausendsechszehn"));
    QCOMPARE(task.expected, QStringLiteral("16016"));
    QCOMPARE(Random::scriptLeft(), 0);
    QVERIFY(WordsRules::isRight(task, QStringLiteral("16016")));
    QVERIFY(!WordsRules::isRight(task, QStringLiteral("016016"))); // compared as text
    QVERIFY(!WordsRules::isRight(task, QString()));
}

QTEST_GUILESS_MAIN(WordsRulesTest)
#include "test_words_rules.moc"
