// The local record as the class server's queue: the migration of a file of
// the first schema version, and which rows wait to be sent.
#include "store/LocalQueue.h"
#include "store/RecordStore.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace {

// The first schema exactly as the first program wrote it.
const char *const versionOne[] = {
    "CREATE TABLE children (name VARCHAR(1000) NOT NULL PRIMARY KEY)",
    "CREATE TABLE answers (child VARCHAR(1000) NOT NULL, exercise VARCHAR(100) NOT NULL,"
    " number_range INTEGER NOT NULL, task VARCHAR(1000) NOT NULL, given VARCHAR(1000) NOT NULL,"
    " is_right SMALLINT NOT NULL, attempt INTEGER NOT NULL, at_ms BIGINT NOT NULL,"
    " shown_ms BIGINT NOT NULL)",
    "CREATE INDEX answers_by_child ON answers (child, at_ms)",
    "CREATE TABLE events (child VARCHAR(1000) NOT NULL, kind VARCHAR(100) NOT NULL,"
    " detail VARCHAR(1000) NOT NULL, at_ms BIGINT NOT NULL)",
    "CREATE INDEX events_by_child ON events (child, at_ms)",
    "PRAGMA user_version = 1",
};

AnswerRecord answer(const QString &child, const QString &childId, int n) {
    AnswerRecord a;
    a.child = child;
    a.childId = childId;
    a.exercise = QStringLiteral("Zählen");
    a.range = 20;
    a.task = QStringLiteral("Aufgabe %1").arg(n);
    a.given = QString::number(n);
    a.right = n % 2 == 0;
    a.at = QDateTime(QDate(2026, 5, 4), QTime(8, 0)).addSecs(n);
    return a;
}

QStringList column(const QString &path, const QString &sql) {
    QStringList values;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(sql);
            while (query.next())
                values << query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    return values;
}

} // namespace

class LocalQueueTest : public QObject {
    Q_OBJECT
private slots:
    void versionOneFileKeepsEveryAnswer();
    void onlyServerChildrenWait();
};

void LocalQueueTest::versionOneFileKeepsEveryAnswer() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    const QString name = QStringLiteral("Ma'ja; \"M\"\n") + QString(900, QLatin1Char('x'));
    constexpr int count = 3000;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const char *statement : versionOne)
            QVERIFY2(query.exec(QString::fromLatin1(statement)), statement);
        QVERIFY(db.transaction());
        QVERIFY(query.prepare(QStringLiteral("INSERT INTO answers VALUES (?, 'Ordnen', 100, ?, "
                                             "'7', 1, 1, ?, 900)")));
        for (int i = 0; i < count; ++i) {
            query.addBindValue(i % 2 ? name : QStringLiteral(""));
            query.addBindValue(QStringLiteral("Ordnen %1").arg(i));
            query.addBindValue(qint64(1700000000000) + i);
            QVERIFY(query.exec());
        }
        QVERIFY(query.exec(QStringLiteral("INSERT INTO events VALUES ('', 'Belohnung', '', 5)")));
        QVERIFY(db.commit());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    {
        RecordStore store(path);
        QCOMPARE(store.open(), RecordStore::State::Open);
        QCOMPARE(store.answers(name).size() + store.answers(QString()).size(), count);
        QCOMPARE(store.answers(name).constLast().task, QStringLiteral("Ordnen %1").arg(count - 1));
        QCOMPARE(store.events(QString()).size(), 1);
    }
    QCOMPARE(column(path, QStringLiteral("PRAGMA user_version")), QStringList{"2"});
    const QStringList ids = column(path, QStringLiteral("SELECT id FROM answers UNION ALL "
                                                        "SELECT id FROM events"));
    QCOMPARE(ids.size(), count + 1);
    QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), ids.size());
    for (const QString &id : ids)
        QCOMPARE(QUuid::fromString(id).version(), QUuid::Random);
    // Nothing of before goes anywhere: none of it belongs to a child of a server.
    LocalQueue queue(path);
    QVERIFY(queue.open());
    QCOMPARE(queue.waitingCount(), 0);
}

void LocalQueueTest::onlyServerChildrenWait() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    const QString anna = QUuid::createUuid().toString(QUuid::WithoutBraces);
    RecordStore store(path);
    QCOMPARE(store.open(), RecordStore::State::Open);
    QVERIFY(store.add(answer(QStringLiteral("Anna"), anna, 1)));
    QVERIFY(store.add(answer(QString(), QString(), 2)));             // the account's own
    QVERIFY(store.add(answer(QStringLiteral("Ben"), QString(), 3))); // a name known only here
    QVERIFY(store.add(answer(QStringLiteral("Anna"), anna, 4)));
    QVERIFY(store.add(RecordEvent{QStringLiteral("Anna"),
                                  QStringLiteral("Belohnung"),
                                  {},
                                  QDateTime::currentDateTime(),
                                  anna}));

    LocalQueue queue(path);
    QVERIFY(queue.open());
    QCOMPARE(queue.waitingCount(), 3);
    const QList<LocalQueue::Row> rows = queue.waiting(LocalQueue::Table::Answers, 10);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).values.value(1).toString(), anna);
    QCOMPARE(rows.at(0).values.value(4).toString(), QStringLiteral("Aufgabe 1"));
    QVERIFY(rows.at(0).id() != rows.at(1).id());

    QVERIFY(queue.markSent(LocalQueue::Table::Answers, {rows.at(0).id()}));
    QVERIFY(queue.setAside(LocalQueue::Table::Answers, rows.at(1).id(), QStringLiteral("zu lang")));
    QCOMPARE(queue.waiting(LocalQueue::Table::Answers, 10).size(), 0);
    QCOMPARE(queue.waitingCount(), 1);
    QCOMPARE(column(path, QStringLiteral("SELECT set_aside_reason FROM answers WHERE "
                                         "queue_state = 2")),
             QStringList{QStringLiteral("zu lang")});
    // Sent and set-aside answers stay in the local record.
    QCOMPARE(store.answers(QStringLiteral("Anna")).size(), 2);

    QVERIFY(queue.replaceRoster({{anna, QStringLiteral("3b"), QStringLiteral("Anna")},
                                 {QUuid::createUuid().toString(QUuid::WithoutBraces),
                                  QStringLiteral("3a"), QStringLiteral("Zoe")}}));
    const QList<RosterChild> roster = store.roster();
    QCOMPARE(roster.size(), 2);
    QCOMPARE(roster.at(0).className, QStringLiteral("3a"));
    QCOMPARE(roster.at(1).id, anna);
}

QTEST_GUILESS_MAIN(LocalQueueTest)
#include "test_local_queue.moc"
