// The memory game without a screen: the deal, the card captions and the
// turns of a game, played on a scripted deal.
#include "Fractions.h"
#include "core/Random.h"
#include "core/memory/MemoryGame.h"

#include <QSignalSpy>
#include <QTest>

#include <array>

using Phase = MemoryGame::Phase;

namespace {

// Card i and card i + 9 pair up.
const QString pairedDeal = QStringLiteral("123456789123456789");

QString dealText(const std::array<int, MemoryGame::cardCount> &deal) {
    QString text;
    for (int number : deal)
        text += QString::number(number);
    return text;
}

QList<int> cardsWhere(const MemoryGame &game, bool (MemoryGame::*test)(int) const) {
    QList<int> cards;
    for (int card = 1; card <= MemoryGame::cardCount; ++card)
        if ((game.*test)(card))
            cards << card;
    return cards;
}

} // namespace

class MemoryGameTest : public QObject {
    Q_OBJECT
private slots:
    void everyDealHoldsEachNumberTwice();
    void scriptedDealPlacesInPatternOrder();
    void takenPlaceIsDrawnAgain();
    void faceText_data();
    void faceText();
    void firstClickDeals();
    void turns_data();
    void turns();
    void lastPairEndsTheGame();
    void clearedBoardDealsAnew();
};

void MemoryGameTest::everyDealHoldsEachNumberTwice() {
    QSet<QString> distinct;
    for (quint32 seed = 1; seed <= 2000; ++seed) {
        Random::seed(seed);
        const QString deal = dealText(MemoryGame::deal());
        QCOMPARE(deal.size(), 18);
        std::array<int, 10> count{};
        for (const QChar c : deal) {
            QVERIFY2(c >= QLatin1Char('1') && c <= QLatin1Char('9'), qPrintable(deal));
            ++count[c.digitValue()];
        }
        for (int digit = 1; digit <= 9; ++digit)
            QVERIFY2(count[digit] == 2,
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(deal)));
        distinct.insert(deal);
    }
    // The deals really are shuffled, not one fixed board.
    QVERIFY(distinct.size() > 1990);
}

void MemoryGameTest::scriptedDealPlacesInPatternOrder() {
    // Each fraction r gives the place Int(r * 18) + 1; the numbers come in the
    // order 1, 1, 2, 2, ... 9, 9.
    QList<double> script;
    for (int place : {18, 1, 17, 2, 16, 3, 15, 4, 14, 5, 13, 6, 12, 7, 11, 8, 10, 9})
        script << (place - 1) / 18.0;
    Random::script(script);
    QCOMPARE(dealText(MemoryGame::deal()), QStringLiteral("123456789987654321"));
    QCOMPARE(Random::scriptLeft(), 0);
}

void MemoryGameTest::takenPlaceIsDrawnAgain() {
    // The second 1 first hits place 1 (taken by the first 1) and place 1 again,
    // then lands on place 2; the lowest and highest fractions reach places 1 and 18.
    QList<double> script{0.0, 0.0, 0.05, 1.5 / 18.0};
    for (int place = 3; place <= 18; ++place)
        script << (place - 0.5) / 18.0;
    script.replace(script.size() - 1, 0.99999);
    Random::script(script);
    QCOMPARE(dealText(MemoryGame::deal()), QStringLiteral("112233445566778899"));
    QCOMPARE(Random::scriptLeft(), 0);
}

void MemoryGameTest::faceText_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addRow("4") << 4 << QStringLiteral("4                4");
    QTest::addRow("9") << 9 << QStringLiteral("9                9");
}

void MemoryGameTest::faceText() {
    QFETCH(int, number);
    QFETCH(QString, caption);
    QCOMPARE(MemoryGame::faceText(number), caption);
    QCOMPARE(caption.count(QLatin1Char(' ')), 16);
}

void MemoryGameTest::firstClickDeals() {
    MemoryGame game;
    QCOMPARE(game.phase(), Phase::NotDealt);
    QCOMPARE(cardsWhere(game, &MemoryGame::isFaceUp), QList<int>());
    QSignalSpy phases(&game, &MemoryGame::phaseChanged);
    Random::script(dealFractions(pairedDeal));
    game.turn(5);
    QCOMPARE(Random::scriptLeft(), 0); // the whole deal, and nothing more
    for (int card = 1; card <= 18; ++card)
        QCOMPARE(game.numberOn(card), pairedDeal[card - 1].digitValue());
    QCOMPARE(game.phase(), Phase::SecondCard);
    QCOMPARE(game.firstCard(), 5);
    QCOMPARE(phases.count(), 1);
    QCOMPARE(phases.first().first().value<Phase>(), Phase::SecondCard);
}

// Clicks on a board dealt as pairedDeal, and what is up after them.
void MemoryGameTest::turns_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QList<int>>("faceUp");
    QTest::addColumn<QList<int>>("found");
    using L = QList<int>;
    QTest::addRow("first card") << L{1} << Phase::SecondCard << 1 << 0 << L{1} << L{};
    QTest::addRow("first card again changes nothing")
        << L{1, 1} << Phase::SecondCard << 1 << 0 << L{1} << L{};
    QTest::addRow("a mismatch stays up") << L{1, 2} << Phase::Mismatch << 1 << 2 << L{1, 2} << L{};
    QTest::addRow("the next click covers the mismatch")
        << L{1, 2, 10} << Phase::SecondCard << 10 << 0 << L{10} << L{};
    QTest::addRow("a covered card turns up again as the first")
        << L{1, 2, 2} << Phase::SecondCard << 2 << 0 << L{2} << L{};
    QTest::addRow("a pair stays up, no card counts as up")
        << L{1, 10} << Phase::FirstCard << 0 << 0 << L{1, 10} << L{1, 10};
    QTest::addRow("a found card takes no click")
        << L{1, 10, 10} << Phase::FirstCard << 0 << 0 << L{1, 10} << L{1, 10};
    QTest::addRow("a found card leaves a mismatch up")
        << L{1, 10, 2, 3, 10} << Phase::Mismatch << 2 << 3 << L{1, 2, 3, 10} << L{1, 10};
    QTest::addRow("after a pair the next click covers nothing")
        << L{1, 10, 2} << Phase::SecondCard << 2 << 0 << L{1, 2, 10} << L{1, 10};
    QTest::addRow("a pair right after a mismatch")
        << L{1, 2, 2, 11} << Phase::FirstCard << 0 << 0 << L{2, 11} << L{2, 11};
}

void MemoryGameTest::turns() {
    QFETCH(QList<int>, clicks);
    QFETCH(Phase, phase);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QList<int>, faceUp);
    QFETCH(QList<int>, found);
    MemoryGame game;
    QSignalSpy ended(&game, &MemoryGame::gameOver);
    Random::script(dealFractions(pairedDeal));
    for (int card : clicks)
        game.turn(card);
    QCOMPARE(game.phase(), phase);
    QCOMPARE(game.firstCard(), first);
    QCOMPARE(game.secondCard(), second);
    QCOMPARE(cardsWhere(game, &MemoryGame::isFaceUp), faceUp);
    QCOMPARE(cardsWhere(game, &MemoryGame::isFound), found);
    QCOMPARE(ended.count(), 0);
}

void MemoryGameTest::lastPairEndsTheGame() {
    MemoryGame game;
    Random::script(dealFractions(pairedDeal));
    QList<int> upAtEnd;
    QSignalSpy ended(&game, &MemoryGame::gameOver);
    connect(&game, &MemoryGame::gameOver, this,
            [&] { upAtEnd = cardsWhere(game, &MemoryGame::isFaceUp); });
    for (int card = 1; card <= 9; ++card) {
        QCOMPARE(ended.count(), 0);
        game.turn(card + 9);
        game.turn(card);
    }
    QCOMPARE(ended.count(), 1);
    QCOMPARE(game.phase(), Phase::GameOver);
    QCOMPARE(upAtEnd.size(), 18); // the board still shows the last pair
    game.turn(4);                 // every card is out of play
    QCOMPARE(game.phase(), Phase::GameOver);
    QCOMPARE(ended.count(), 1);
}

void MemoryGameTest::clearedBoardDealsAnew() {
    MemoryGame game;
    Random::script(dealFractions(pairedDeal));
    for (int card = 1; card <= 9; ++card) {
        game.turn(card);
        game.turn(card + 9);
    }
    QSignalSpy redraws(&game, &MemoryGame::boardChanged);
    game.clear();
    QCOMPARE(game.phase(), Phase::NotDealt);
    QCOMPARE(redraws.count(), 1);
    QCOMPARE(cardsWhere(game, &MemoryGame::isFaceUp), QList<int>());
    QCOMPARE(cardsWhere(game, &MemoryGame::isFound), QList<int>());

    const QString second = QStringLiteral("987654321987654321");
    Random::script(dealFractions(second));
    game.turn(18);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(game.numberOn(18), 1);
    QCOMPARE(cardsWhere(game, &MemoryGame::isFaceUp), QList<int>{18});
    game.turn(9);
    QCOMPARE(cardsWhere(game, &MemoryGame::isFound), (QList<int>{9, 18}));
}

QTEST_GUILESS_MAIN(MemoryGameTest)
#include "test_memory_game.moc"
