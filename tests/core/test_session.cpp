// The session: the range the menu hands it, the count of right answers and
// the reward at twenty, without any window.
#include "core/Random.h"
#include "core/Session.h"

#include <QSignalSpy>
#include <QTest>

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheSixRangesAreTaken();
    void rewardAtTwentyAndItsPrice();
};

void SessionTest::onlyTheSixRangesAreTaken() {
    Session session;
    QCOMPARE(session.range(), 20);
    for (int range : {100, 1000, 10000, 100000, 1000000, 20}) {
        session.setRange(range);
        QCOMPARE(session.range(), range);
    }
    session.setRange(12345);
    session.setRange(0);
    QCOMPARE(session.range(), 20);
    Random::script({0.0, 0.9999999999});
    QCOMPARE(session.drawNumber(), 1);
    QCOMPARE(session.drawNumber(), 20);
}

void SessionTest::rewardAtTwentyAndItsPrice() {
    Session session;
    QSignalSpy earned(&session, &Session::rewardEarned);
    QSignalSpy answered(&session, &Session::answered);
    for (int i = 0; i < 19; ++i)
        session.answerRight();
    session.answerWrong();
    QCOMPARE(session.count(), 19);
    QCOMPARE(earned.count(), 0);
    QCOMPARE(answered.count(), 20);
    QCOMPARE(answered.last().first().toBool(), false);
    session.answerRight();
    session.answerRight();
    QCOMPARE(earned.count(), 2); // told again at every right answer from twenty on
    session.takeReward();
    QCOMPARE(session.count(), 1);
    session.takeReward(); // not earned: nothing taken
    QCOMPARE(session.count(), 1);
}

QTEST_GUILESS_MAIN(SessionTest)
#include "test_session.moc"
