// Who may do what on the class server, as the server itself enforces it:
// computers, teachers and the owner, each with their own login.
#include "PrivatePostgres.h"
#include "store/server/ServerAdmin.h"
#include "store/server/ServerSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {

const QString db3b = QStringLiteral("11111111-1111-4111-8111-111111111111"); // a child of 3b
const QString db4a = QStringLiteral("22222222-2222-4222-8222-222222222222"); // a child of 4a

QString withIds(QString text) {
    return text.replace(QStringLiteral("C3"), QLatin1Char('\'') + db3b + QLatin1Char('\''))
        .replace(QStringLiteral("C4"), QLatin1Char('\'') + db4a + QLatin1Char('\''));
}

QString answerInsert(const QString &computer, const QString &child) {
    return QStringLiteral("INSERT INTO answers (id, computer, child_id, exercise, number_range,"
                          " task, given, is_right, attempt, at_ms, shown_ms) VALUES"
                          " (gen_random_uuid(), %1, %2, 'Ordnen', 100, '1+1', '2', 1, 1, 5, 6)")
        .arg(computer, child);
}

} // namespace

class ServerRightsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void whoMayDoWhat_data();
    void whoMayDoWhat();
    void sendingTwiceKeepsOneRow();
    void laterTryGetsItsTimeThoughTheComputerCannotRead();
    void childNamesArriveIntact();
    void resetComputerGetsNewPasswordAndClasses();
    void twoSchoolsKeepTheirRolesApart();

private:
    QSqlDatabase as(const QString &service);
    ServerAdmin::Member addMember(const QString &service, ServerAdmin::Kind kind,
                                  const QString &name, const QStringList &classes);
    std::unique_ptr<PrivatePostgres> server;
    QStringList connections;
};

QSqlDatabase ServerRightsTest::as(const QString &service) {
    const QString name = service + QLatin1Char('/') + QLatin1String(QTest::currentTestFunction());
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    connections << name;
    return server->connectService(name, service);
}

ServerAdmin::Member ServerRightsTest::addMember(const QString &adminService, ServerAdmin::Kind kind,
                                                const QString &name, const QStringList &classes) {
    QSqlDatabase db = as(adminService);
    ServerAdmin::Member member;
    QString error;
    if (!ServerAdmin::setMember(db, kind, name, classes, &member, &error))
        qWarning() << error;
    return member;
}

void ServerRightsTest::initTestCase() {
    server = std::make_unique<PrivatePostgres>();
    if (!server->isAvailable())
        QSKIP(qPrintable(server->skipReason()));
    QVERIFY2(server->isRunning(), qPrintable(server->error()));
    for (const QString &school : {QStringLiteral("nord"), QStringLiteral("sued")}) {
        QVERIFY2(server->createDatabase(school, QStringLiteral("it-") + school, "pw-" + school),
                 qPrintable(server->error()));
        server->addService(school, school, QStringLiteral("it-") + school, "pw-" + school).apply();
        QSqlDatabase db = as(school);
        const ServerSchema::Result result = ServerSchema::setUp(db);
        QVERIFY2(result.outcome == ServerSchema::Outcome::Created, qPrintable(result.error));
    }
    const struct {
        const char *name;
        ServerAdmin::Kind kind;
        QStringList classes;
    } members[] = {{"pc1", ServerAdmin::Kind::Computer, {"3b"}},
                   {"pc2", ServerAdmin::Kind::Computer, {"4a"}},
                   {"meier", ServerAdmin::Kind::Teacher, {"3b"}},
                   {"huber", ServerAdmin::Kind::Teacher, {"4a"}}};
    for (const auto &m : members) {
        const ServerAdmin::Member member =
            addMember(QStringLiteral("nord"), m.kind, QLatin1String(m.name), m.classes);
        QVERIFY(!member.password.isEmpty());
        server->addService(QLatin1String(m.name), QStringLiteral("nord"), member.role,
                           member.password);
    }
    QVERIFY2(server->exec({withIds("INSERT INTO children VALUES (C3, '3b', 'Ada'),"
                                   " (C4, '4a', 'Bo')"),
                           withIds(answerInsert("'pc1@nord'", "C3")),
                           withIds(answerInsert("'pc2@nord'", "C4")),
                           withIds("INSERT INTO events VALUES (gen_random_uuid(), 'pc2@nord',"
                                   " C4, 'start', '', 1)")},
                          QStringLiteral("nord")),
             qPrintable(server->error()));
}

void ServerRightsTest::cleanupTestCase() {
    for (const QString &name : std::as_const(connections))
        QSqlDatabase::removeDatabase(name);
    server.reset();
}

// expect: "refused" (the server says no), "ok", or the first value of the
// result as text (a count where rows of another class must stay invisible).
void ServerRightsTest::whoMayDoWhat_data() {
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expect");
    const QString deleted = QStringLiteral("WITH d AS (%1 RETURNING 1) SELECT count(*) FROM d");
    const QString refused = QStringLiteral("refused");

    QTest::newRow("computer sends for its class") << "pc1" << answerInsert("DEFAULT", "C3") << "ok";
    QTest::newRow("computer sends under own name")
        << "pc1" << answerInsert("'pc1@nord'", "C3") << "ok";
    QTest::newRow("computer under another's name")
        << "pc1" << answerInsert("'pc2@nord'", "C3") << refused;
    QTest::newRow("computer for another class")
        << "pc1" << answerInsert("DEFAULT", "C4") << refused;
    QTest::newRow("computer sends twice")
        << "pc1" << answerInsert("DEFAULT", "C3") + " ON CONFLICT DO NOTHING"
        << "ok";
    QTest::newRow("computer sends an event")
        << "pc1"
        << "INSERT INTO events VALUES (gen_random_uuid(), DEFAULT, C3, 'x', '', 1)"
        << "ok";
    QTest::newRow("computer event as another")
        << "pc1"
        << "INSERT INTO events VALUES (gen_random_uuid(), 'pc2@nord', C3, 'x', '', 1)" << refused;
    QTest::newRow("computer reads answers") << "pc1"
                                            << "SELECT count(*) FROM answers" << refused;
    QTest::newRow("computer reads events") << "pc1"
                                           << "SELECT count(*) FROM events" << refused;
    QTest::newRow("computer reads back what it sent")
        << "pc1" << answerInsert("DEFAULT", "C3") + " RETURNING id" << refused;
    QTest::newRow("computer changes answers") << "pc1"
                                              << "UPDATE answers SET given = 'x'" << refused;
    QTest::newRow("computer deletes answers") << "pc1"
                                              << "DELETE FROM answers" << refused;
    QTest::newRow("computer reads its children") << "pc1"
                                                 << "SELECT count(*) FROM children"
                                                 << "1";
    QTest::newRow("computer reads no other class") << "pc1"
                                                   << "SELECT count(*) FROM children WHERE id = C4"
                                                   << "0";
    QTest::newRow("computer adds a child")
        << "pc1"
        << "INSERT INTO children VALUES (gen_random_uuid(), '3b', 'X')" << refused;
    QTest::newRow("computer renames a child") << "pc1"
                                              << "UPDATE children SET name = 'X'" << refused;
    QTest::newRow("computer sees its classes") << "pc1"
                                               << "SELECT count(*) FROM classes"
                                               << "1";
    QTest::newRow("computer sees its own membership") << "pc1"
                                                      << "SELECT count(*) FROM members"
                                                      << "1";
    QTest::newRow("computer alters a table")
        << "pc1"
        << "ALTER TABLE answers ADD COLUMN x INTEGER" << refused;
    QTest::newRow("computer makes a table") << "pc1"
                                            << "CREATE TABLE t (x INTEGER)" << refused;

    QTest::newRow("teacher reads own class")
        << "meier"
        << "SELECT count(*) > 0 FROM answers WHERE child_id = C3"
        << "true";
    QTest::newRow("teacher reads no other class")
        << "meier"
        << "SELECT count(*) FROM answers WHERE child_id = C4"
        << "0";
    QTest::newRow("teacher reads no other events")
        << "meier"
        << "SELECT count(*) FROM events WHERE child_id = C4"
        << "0";
    QTest::newRow("teacher sees no other child") << "meier"
                                                 << "SELECT count(*) FROM children WHERE id = C4"
                                                 << "0";
    QTest::newRow("teacher deletes no other answers")
        << "meier" << deleted.arg("DELETE FROM answers WHERE child_id = C4") << "0";
    QTest::newRow("teacher adds a child")
        << "meier"
        << "INSERT INTO children VALUES (gen_random_uuid(), '3b', 'Neu')"
        << "ok";
    QTest::newRow("teacher adds to another class")
        << "meier"
        << "INSERT INTO children VALUES (gen_random_uuid(), '4a', 'Neu')" << refused;
    QTest::newRow("teacher renames own child")
        << "meier" << deleted.arg("UPDATE children SET name = 'Ada L.' WHERE id = C3") << "1";
    QTest::newRow("teacher renames no other child")
        << "meier" << deleted.arg("UPDATE children SET name = 'X' WHERE id = C4") << "0";
    QTest::newRow("teacher moves a child")
        << "meier"
        << "UPDATE children SET class = '4a' WHERE id = C3" << refused;
    QTest::newRow("teacher removes own child")
        << "meier" << deleted.arg("DELETE FROM children WHERE name = 'Neu'") << "1";
    QTest::newRow("teacher removes no other child")
        << "meier" << deleted.arg("DELETE FROM children WHERE id = C4") << "0";
    QTest::newRow("teacher keeps own class")
        << "meier" << deleted.arg("UPDATE classes SET keep_months = 6") << "1";
    QTest::newRow("teacher renames a class") << "meier"
                                             << "UPDATE classes SET name = 'x'" << refused;
    QTest::newRow("teacher writes answers") << "meier" << answerInsert("DEFAULT", "C3") << refused;
    QTest::newRow("teacher changes answers") << "meier"
                                             << "UPDATE answers SET given = 'x'" << refused;
    QTest::newRow("teacher deletes own answers")
        << "meier" << deleted.arg("DELETE FROM answers WHERE child_id = C3") << "4";
    QTest::newRow("teacher alters a table")
        << "meier"
        << "ALTER TABLE children ADD COLUMN x INTEGER" << refused;
    QTest::newRow("teacher drops a table") << "meier"
                                           << "DROP TABLE answers" << refused;
    QTest::newRow("teacher changes the version") << "meier"
                                                 << "UPDATE zub_schema SET version = 9" << refused;
    QTest::newRow("other teacher sees own class only") << "huber"
                                                       << "SELECT count(*) FROM answers"
                                                       << "1";
}

void ServerRightsTest::whoMayDoWhat() {
    QFETCH(QString, role);
    QFETCH(QString, statement);
    QFETCH(QString, expect);
    QSqlDatabase db = as(role);
    QVERIFY2(db.isOpen(), qPrintable(db.lastError().text()));
    QSqlQuery query(db);
    const bool ok = query.exec(withIds(statement));
    if (expect == QLatin1String("refused")) {
        QVERIFY2(!ok, "the server allowed it");
        QVERIFY2(query.lastError().nativeErrorCode() == QLatin1String("42501"),
                 qPrintable(query.lastError().text()));
        return;
    }
    QVERIFY2(ok, qPrintable(query.lastError().text()));
    if (expect != QLatin1String("ok")) {
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), expect);
    }
}

void ServerRightsTest::sendingTwiceKeepsOneRow() {
    QSqlDatabase db = as(QStringLiteral("pc1"));
    const QString statement =
        withIds("INSERT INTO answers (id, child_id, exercise, number_range, task, given, is_right,"
                " attempt, at_ms, shown_ms) VALUES ('33333333-3333-4333-8333-333333333333', C3,"
                " 'Ordnen', 100, '1+1', '2', 1, 1, 5, 6) ON CONFLICT DO NOTHING");
    for (int round = 0; round < 2; ++round) {
        QSqlQuery query(db);
        QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
        QCOMPARE(query.numRowsAffected(), round == 0 ? 1 : 0);
    }
}

// The server looks up the try before, which the computer itself may not read.
void ServerRightsTest::laterTryGetsItsTimeThoughTheComputerCannotRead() {
    QSqlQuery query(as(QStringLiteral("pc1")));
    QVERIFY2(
        query.exec(withIds("INSERT INTO answers (id, child_id, exercise, number_range, task, given,"
                           " is_right, attempt, at_ms, shown_ms) VALUES ('44444444-4444-4444-8444-"
                           "444444444444', C3, 'Ordnen', 100, '1+1', '2', 1, 2, 9, 20)")),
        qPrintable(query.lastError().text()));
    QCOMPARE(server
                 ->value(QStringLiteral("SELECT added_ms FROM answers WHERE id = "
                                        "'44444444-4444-4444-8444-444444444444'"),
                         QStringLiteral("nord"))
                 .toInt(),
             20 - 6);
}

void ServerRightsTest::childNamesArriveIntact() {
    QSqlDatabase db = as(QStringLiteral("meier"));
    const QStringList names{QStringLiteral("O'Neil; \"Jo\"\nDROP TABLE children; --"),
                            QString(1000, QChar(0x00e4))};
    for (const QString &name : names) {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO children (id, class, name) VALUES "
                                      "(gen_random_uuid(), '3b', ?) RETURNING id"));
        insert.addBindValue(name);
        QVERIFY2(insert.exec() && insert.next(), qPrintable(insert.lastError().text()));
        QSqlQuery read(db);
        read.prepare(QStringLiteral("SELECT name FROM children WHERE id = ?"));
        read.addBindValue(insert.value(0));
        QVERIFY(read.exec() && read.next());
        QCOMPARE(read.value(0).toString(), name);
    }
    QSqlQuery tooLong(db);
    tooLong.prepare(QStringLiteral("INSERT INTO children VALUES (gen_random_uuid(), '3b', ?)"));
    tooLong.addBindValue(QString(1001, QLatin1Char('x')));
    QVERIFY(!tooLong.exec());
}

void ServerRightsTest::resetComputerGetsNewPasswordAndClasses() {
    const ServerAdmin::Member again = addMember(QStringLiteral("nord"), ServerAdmin::Kind::Computer,
                                                QStringLiteral("pc2"), {QStringLiteral("3b")});
    QVERIFY(again.existed);
    // The old line in the password file no longer opens the door.
    QSqlDatabase old = server->connectService(QStringLiteral("pc2-old"), QStringLiteral("pc2"));
    QVERIFY(!old.isOpen());
    old = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("pc2-old"));
    server->addService(QStringLiteral("pc2-new"), QStringLiteral("nord"), again.role,
                       again.password);
    QSqlDatabase db = as(QStringLiteral("pc2-new"));
    QVERIFY2(db.isOpen(), qPrintable(db.lastError().text()));
    QSqlQuery query(db);
    QVERIFY(query.exec(QStringLiteral("SELECT class FROM members")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("3b"));
    QVERIFY(!query.next());
    // A teacher's name cannot be taken over as a computer.
    QSqlDatabase admin = as(QStringLiteral("nord"));
    ServerAdmin::Member member;
    QString error;
    QVERIFY(!ServerAdmin::setMember(admin, ServerAdmin::Kind::Computer, QStringLiteral("meier"),
                                    {QStringLiteral("3b")}, &member, &error));
    QVERIFY2(error.contains(QStringLiteral("Lehrkraft")), qPrintable(error));
}

void ServerRightsTest::twoSchoolsKeepTheirRolesApart() {
    const ServerAdmin::Member south = addMember(QStringLiteral("sued"), ServerAdmin::Kind::Teacher,
                                                QStringLiteral("meier"), {QStringLiteral("3b")});
    QCOMPARE(south.role, QStringLiteral("meier@sued"));
    QVERIFY(!south.existed);
    // The northern teacher's login, pointed at the southern school's database.
    server->addService(QStringLiteral("meier-in-sued"), QStringLiteral("sued"),
                       QStringLiteral("meier@nord"), QString());
    QSqlDatabase db = as(QStringLiteral("meier-in-sued"));
    QVERIFY(!db.isOpen());
    QVERIFY2(db.lastError().text().contains(QStringLiteral("CONNECT")) ||
                 db.lastError().text().contains(QStringLiteral("password")),
             qPrintable(db.lastError().text()));
    QSqlDatabase north = as(QStringLiteral("meier"));
    QSqlQuery query(north);
    QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM members")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

QTEST_GUILESS_MAIN(ServerRightsTest)
#include "test_server_rights.moc"
