// The classroom computer's sender against a private PostgreSQL server: every
// answer arrives once through a stopped server, two computers and a batch
// sent twice; refusals are said once; rows the server rejects are set aside.
#include "Classroom.h"
#include "store/ClassServer.h"
#include "store/RecordStore.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <memory>

namespace {

constexpr int slow = 120000; // ms; only a broken sender waits this long

// A computer's learning record with its sender.
struct Computer {
    Computer(const QString &dir, const QString &service)
        : path(dir + QLatin1Char('/') + service + QStringLiteral(".sqlite")), store(path),
          service(service) {
        store.open();
    }
    void start() {
        sender = std::make_unique<ClassServer>(service, path, Classroom::quickTiming());
    }
    bool done() const {
        return sender && sender->status().waiting == 0 &&
               sender->status().state == ClassServerStatus::State::Computer;
    }
    QString path;
    RecordStore store;
    QString service;
    std::unique_ptr<ClassServer> sender;
};

QString tasks(const QString &prefix) {
    return QStringLiteral("SELECT count(*) FROM answers WHERE task LIKE '%1 %%'").arg(prefix);
}

} // namespace

class SenderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { server.reset(); }
    void serverStoppedDuringBatch();
    void twoComputersAtOnce();
    void sameBatchTwice();
    void refusalsAreToldOnce_data();
    void refusalsAreToldOnce();
    void awkwardNamesAndRejectedRows();
    void jobsRunOnTheSendersConnection();

private:
    std::unique_ptr<PrivatePostgres> server;
    std::unique_ptr<Classroom> school;
    QTemporaryDir dir;
    QString anna, zoe;
};

void SenderTest::initTestCase() {
    server = std::make_unique<PrivatePostgres>();
    if (!server->isAvailable())
        QSKIP(qPrintable(server->skipReason()));
    QVERIFY2(server->isRunning(), qPrintable(server->error()));
    school = std::make_unique<Classroom>(*server);
    QVERIFY2(school->setUp({QStringLiteral("3a"), QStringLiteral("3b"), QStringLiteral("4a")}),
             qPrintable(school->error()));
    const QString rechner = QStringLiteral("rechner");
    QVERIFY(school->addMember(QStringLiteral("pc1"), rechner, {"3a", "3b"}));
    QVERIFY(school->addMember(QStringLiteral("pc2"), rechner, {"3a"}));
    QVERIFY(school->addMember(QStringLiteral("ohne-klasse"), rechner, {}));
    QVERIFY(school->addMember(QStringLiteral("meier"), QStringLiteral("lehrkraft"), {"3a"}));
    anna = school->addChild(QStringLiteral("3a"), QStringLiteral("Anna"));
    zoe = school->addChild(QStringLiteral("4a"), QStringLiteral("Zoe"));
    QVERIFY(!anna.isEmpty() && !zoe.isEmpty());
    QVERIFY(server->exec(QStringLiteral("CREATE ROLE \"pc3@schule\" LOGIN PASSWORD 'richtig' "
                                        "IN ROLE \"zub_rechner@schule\""),
                         school->database()));
    server->addService(QStringLiteral("falsches-passwort"), school->database(),
                       QStringLiteral("pc3@schule"), QStringLiteral("falsch"));
    // A server that knows a version of the schema this program does not.
    Classroom newer(*server, QStringLiteral("zukunft"));
    QVERIFY2(newer.setUp({QStringLiteral("1a")}), qPrintable(newer.error()));
    QVERIFY(newer.addMember(QStringLiteral("pc-zukunft"), rechner, {"1a"}));
    QVERIFY(server->exec(QStringLiteral("UPDATE zub_schema SET version = version + 1"),
                         QStringLiteral("zukunft")));
}

void SenderTest::serverStoppedDuringBatch() {
    Computer pc(dir.path(), QStringLiteral("pc1"));
    constexpr int count = 20000;
    QVERIFY(Classroom::record(pc.store, anna, count, QStringLiteral("halt")));
    pc.start();
    QTRY_VERIFY_WITH_TIMEOUT(school->count(tasks(QStringLiteral("halt"))) > 0, slow);
    QVERIFY(server->stop(true)); // as after a crash, while batches go
    QTRY_VERIFY_WITH_TIMEOUT(pc.sender->status().state == ClassServerStatus::State::Offline, slow);
    QVERIFY(pc.sender->status().waiting > 0);
    QVERIFY2(server->start(), qPrintable(server->error()));
    QTRY_VERIFY_WITH_TIMEOUT(pc.done(), slow);
    QCOMPARE(school->count(tasks(QStringLiteral("halt"))), count);
}

void SenderTest::twoComputersAtOnce() {
    Computer one(dir.path(), QStringLiteral("pc1")), two(dir.path(), QStringLiteral("pc2"));
    QVERIFY(Classroom::record(one.store, anna, 3000, QStringLiteral("zwei")));
    QVERIFY(Classroom::record(two.store, anna, 3000, QStringLiteral("zwei")));
    one.start();
    two.start();
    QTRY_VERIFY_WITH_TIMEOUT(one.done() && two.done(), slow);
    for (const char *role : {"pc1@schule", "pc2@schule"})
        QCOMPARE(school->count(tasks(QStringLiteral("zwei")) +
                               QStringLiteral(" AND computer = '%1'").arg(QLatin1String(role))),
                 3000);
}

void SenderTest::sameBatchTwice() {
    Computer pc(dir.path(), QStringLiteral("pc2"));
    QVERIFY(Classroom::record(pc.store, anna, 700, QStringLiteral("doppelt")));
    pc.start();
    QTRY_VERIFY_WITH_TIMEOUT(pc.done(), slow);
    pc.sender.reset();
    // As if the commit's answer had been lost: every row waits again.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "peek");
        db.setDatabaseName(pc.path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("UPDATE answers SET queue_state = 0")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    pc.start();
    QTRY_VERIFY_WITH_TIMEOUT(pc.done(), slow);
    QCOMPARE(school->count(tasks(QStringLiteral("doppelt"))), 700);
}

void SenderTest::refusalsAreToldOnce_data() {
    QTest::addColumn<QString>("service");
    QTest::addColumn<ClassServerStatus::State>("state");
    QTest::addColumn<QString>("words");
    QTest::newRow("wrong password")
        << "falsches-passwort" << ClassServerStatus::State::Refused << "Passwort";
    QTest::newRow("unknown service")
        << "gibt-es-nicht" << ClassServerStatus::State::Refused << "„gibt-es-nicht“";
    QTest::newRow("no class") << "ohne-klasse" << ClassServerStatus::State::Refused
                              << "nicht als Rechner";
    QTest::newRow("newer server") << "pc-zukunft" << ClassServerStatus::State::Newer
                                  << "neuer als dieses Programm";
}

void SenderTest::refusalsAreToldOnce() {
    QFETCH(QString, service);
    QFETCH(ClassServerStatus::State, state);
    QFETCH(QString, words);
    Computer pc(dir.path(), service);
    QVERIFY(Classroom::record(pc.store, anna, 5, QStringLiteral("abgewiesen")));
    pc.start();
    QSignalSpy told(pc.sender.get(), &ClassServer::problem);
    QSignalSpy tries(pc.sender.get(), &ClassServer::statusChanged);
    QTRY_VERIFY_WITH_TIMEOUT(tries.size() >= 12, slow); // several attempts
    QCOMPARE(pc.sender->status().state, state);
    QCOMPARE(pc.sender->status().waiting, 5);
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().first().toString().contains(words),
             qPrintable(told.first().first().toString()));
    QCOMPARE(school->count(tasks(QStringLiteral("abgewiesen"))), 0);
}

void SenderTest::awkwardNamesAndRejectedRows() {
    const QStringList names{QStringLiteral("O'Brien; DROP TABLE children; --"),
                            QStringLiteral("Zeile 1\nZeile 2 \"Zitat\""),
                            QString(1000, QChar(0x00e4))};
    for (const QString &name : names)
        QVERIFY(!school->addChild(QStringLiteral("3b"), name).isEmpty());
    Computer pc(dir.path(), QStringLiteral("pc1"));
    QVERIFY(Classroom::record(pc.store, anna, 3, QStringLiteral("gut")));
    AnswerRecord odd;
    odd.childId = anna;
    odd.task = QStringLiteral("gut '; \n") + QString(990, QLatin1Char('x')); // 1000 characters
    QVERIFY(pc.store.add(odd));
    odd.task = QStringLiteral("schlecht ") + QString(992, QLatin1Char('x')); // 1001: too long
    QVERIFY(pc.store.add(odd));
    QVERIFY(Classroom::record(pc.store, zoe, 1, QStringLiteral("schlecht"))); // not pc1's class
    QVERIFY(Classroom::record(pc.store, QUuid::createUuid().toString(QUuid::WithoutBraces), 1,
                              QStringLiteral("schlecht"))); // no such child
    QVERIFY(Classroom::record(pc.store, anna, 3, QStringLiteral("gut")));
    pc.start();
    QSignalSpy roster(pc.sender.get(), &ClassServer::rosterChanged);
    QTRY_VERIFY_WITH_TIMEOUT(pc.done(), slow);
    QCOMPARE(school->count(tasks(QStringLiteral("gut"))), 7);
    QCOMPARE(school->count(tasks(QStringLiteral("schlecht"))), 0);
    QVERIFY(pc.sender->status().lastError.contains(QStringLiteral("3 Einträge abgewiesen")));

    QVERIFY(roster.size() > 0);
    QStringList copied;
    for (const RosterChild &child : pc.store.roster())
        copied << child.name;
    for (const QString &name : names)
        QVERIFY2(copied.contains(name), qPrintable(name.left(40)));
    QVERIFY(!copied.contains(QStringLiteral("Zoe"))); // another class
}

void SenderTest::jobsRunOnTheSendersConnection() {
    Computer teacher(dir.path(), QStringLiteral("meier")), pc(dir.path(), QStringLiteral("pc1"));
    QVERIFY(Classroom::record(teacher.store, anna, 4, QStringLiteral("lehrkraft")));
    QVERIFY(Classroom::record(pc.store, anna, 2, QStringLiteral("auftrag")));
    teacher.start();
    pc.start();
    QTRY_COMPARE_WITH_TIMEOUT(teacher.sender->status().state, ClassServerStatus::State::Teacher,
                              slow);
    QTRY_VERIFY_WITH_TIMEOUT(pc.done(), slow);
    // What the job gave: the first value, true for a statement without rows, false when refused.
    auto ask = [this](ClassServer &sender, const QString &sql) {
        QVariant answer;
        bool came = false;
        sender.submit(
            [sql](QSqlDatabase &db) {
                QSqlQuery query(db);
                if (!query.exec(sql))
                    return QVariant(false);
                return query.next() ? query.value(0) : QVariant(true);
            },
            this,
            [&](const QVariant &result) {
                answer = result;
                came = true;
            });
        return QTest::qWaitFor([&] { return came; }, slow) ? answer : QVariant();
    };
    // A teacher's program reads and sends nothing of its own.
    QVERIFY(ask(*teacher.sender, QStringLiteral("SELECT count(*) FROM answers")).toInt() > 0);
    QCOMPARE(teacher.sender->status().waiting, 4);
    QCOMPARE(school->count(tasks(QStringLiteral("lehrkraft"))), 0);
    // A computer neither reads answers nor writes under another computer's name.
    QCOMPARE(ask(*pc.sender, QStringLiteral("SELECT count(*) FROM answers")), QVariant(false));
    QCOMPARE(ask(*pc.sender,
                 QStringLiteral("INSERT INTO answers (id, computer, child_id, exercise, "
                                "number_range, task, given, is_right, attempt, at_ms, shown_ms) "
                                "VALUES (gen_random_uuid(), 'pc2@schule', '%1', 'x', 1, "
                                "'fremd 1', '1', 1, 1, 1, 1)")
                     .arg(anna)),
             QVariant(false));
    QCOMPARE(school->count(tasks(QStringLiteral("fremd"))), 0);
}

QTEST_GUILESS_MAIN(SenderTest)
#include "test_sender.moc"
