// The class server's schema on a private PostgreSQL server: made once, left
// alone when current or newer, brought up to date with every answer kept,
// refused to anyone but the database's owner.
#include "PrivatePostgres.h"
#include "store/server/ServerSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QTest>

#include <memory>

namespace {

// Everything einrichten could touch, with object ids, so that dropping and
// making a thing again shows as a change.
const char *catalogSnapshot =
    "SELECT string_agg(x, E'\\n' ORDER BY x) FROM ("
    " SELECT 'rel ' || c.relname || ' ' || c.oid || ' ' || coalesce(c.relacl::text, '')"
    "  || ' ' || c.relrowsecurity FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace"
    "  WHERE n.nspname = 'public'"
    " UNION ALL SELECT 'policy ' || polname || ' ' || polrelid::regclass || ' ' || oid"
    "  FROM pg_policy"
    " UNION ALL SELECT 'role ' || rolname || ' ' || oid FROM pg_roles"
    " UNION ALL SELECT 'db ' || datname || ' ' || coalesce(datacl::text, '') FROM pg_database"
    " UNION ALL SELECT 'member ' || roleid::regrole || ' ' || member::regrole"
    "  FROM pg_auth_members"
    " UNION ALL SELECT 'version ' || version FROM zub_schema) s(x)";

} // namespace

class ServerSchemaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { server.reset(); }
    void setUpTwiceChangesNothing();
    void newerServerIsLeftAlone();
    void upgradeKeepsEveryAnswer();
    void onlyTheOwnerSetsUp();
    void longDatabaseNameIsRefused();
    void schemaSurvivesAServerCrash();

private:
    QSqlDatabase connect(const QString &service);
    std::unique_ptr<PrivatePostgres> server;
};

void ServerSchemaTest::initTestCase() {
    server = std::make_unique<PrivatePostgres>();
    if (!server->isAvailable())
        QSKIP(qPrintable(server->skipReason()));
    QVERIFY2(server->isRunning(), qPrintable(server->error()));
    // A database name with a quote and a space reaches every statement quoted.
    QVERIFY2(server->createDatabase(QStringLiteral("nord"), QStringLiteral("it-nord"),
                                    QStringLiteral("pw1")),
             qPrintable(server->error()));
    QVERIFY2(server->createDatabase(QStringLiteral("süd \"x'; y"), QStringLiteral("it süd"),
                                    QStringLiteral("pw:2\\")),
             qPrintable(server->error()));
    QVERIFY(server->exec(QStringLiteral("CREATE ROLE stranger LOGIN PASSWORD 'pw3'")));
    QVERIFY(server->exec(QStringLiteral("GRANT CONNECT, CREATE ON DATABASE nord TO stranger")));
    server->addService(QStringLiteral("nord"), QStringLiteral("nord"), QStringLiteral("it-nord"),
                       QStringLiteral("pw1"));
    server->addService(QStringLiteral("sued"), QStringLiteral("süd \"x'; y"),
                       QStringLiteral("it süd"), QStringLiteral("pw:2\\"));
    server
        ->addService(QStringLiteral("fremd"), QStringLiteral("nord"), QStringLiteral("stranger"),
                     QStringLiteral("pw3"))
        .apply();
}

QSqlDatabase ServerSchemaTest::connect(const QString &service) {
    QSqlDatabase db = server->connectService(
        service + QLatin1Char('/') + QLatin1String(QTest::currentTestFunction()), service);
    if (!db.isOpen())
        qWarning() << db.lastError().text();
    return db;
}

void ServerSchemaTest::setUpTwiceChangesNothing() {
    for (const QString &service : {QStringLiteral("nord"), QStringLiteral("sued")}) {
        QSqlDatabase db = connect(service);
        QVERIFY(db.isOpen());
        ServerSchema::Result first = ServerSchema::setUp(db);
        QVERIFY2(first.outcome == ServerSchema::Outcome::Created, qPrintable(first.error));
        QCOMPARE(first.serverVersion, 0);
        const QString database = service == QLatin1String("nord") ? QStringLiteral("nord")
                                                                  : QStringLiteral("süd \"x'; y");
        const QString before =
            server->value(QString::fromLatin1(catalogSnapshot), database).toString();
        QVERIFY2(!before.isEmpty(), qPrintable(server->error()));
        ServerSchema::Result second = ServerSchema::setUp(db);
        QVERIFY2(second.outcome == ServerSchema::Outcome::Unchanged, qPrintable(second.error));
        QCOMPARE(second.serverVersion, ServerSchema::version());
        QCOMPARE(server->value(QString::fromLatin1(catalogSnapshot), database).toString(), before);
        QVERIFY(before.contains(QStringLiteral("role zub_rechner@") + database));
    }
}

void ServerSchemaTest::newerServerIsLeftAlone() {
    QSqlDatabase db = connect(QStringLiteral("nord"));
    const int newer = ServerSchema::version() + 1;
    QVERIFY(server->exec(QStringLiteral("UPDATE zub_schema SET version = %1").arg(newer),
                         QStringLiteral("nord")));
    const QString before =
        server->value(QString::fromLatin1(catalogSnapshot), QStringLiteral("nord")).toString();
    ServerSchema::Result result = ServerSchema::setUp(db);
    QVERIFY(server->exec(
        QStringLiteral("UPDATE zub_schema SET version = %1").arg(ServerSchema::version()),
        QStringLiteral("nord")));
    QVERIFY(result.outcome == ServerSchema::Outcome::Newer);
    QCOMPARE(result.serverVersion, newer);
    QCOMPARE(server->value(QString::fromLatin1(catalogSnapshot), QStringLiteral("nord"))
                 .toString()
                 .replace(QStringLiteral("version %1").arg(ServerSchema::version()),
                          QStringLiteral("version %1").arg(newer)),
             before);
}

// Answers that reached a server of version 1 keep every row through the
// upgrade, and each gets the time it added to its task: a later try adds what
// passed since the try before it. A try that arrives after the upgrade is
// given its time by the server.
void ServerSchemaTest::upgradeKeepsEveryAnswer() {
    QVERIFY2(server->createDatabase(QStringLiteral("alt"), QStringLiteral("it-alt"),
                                    QStringLiteral("pw5")),
             qPrintable(server->error()));
    server
        ->addService(QStringLiteral("alt"), QStringLiteral("alt"), QStringLiteral("it-alt"),
                     QStringLiteral("pw5"))
        .apply();
    QSqlDatabase db = connect(QStringLiteral("alt"));
    QVERIFY(db.isOpen());
    QCOMPARE(ServerSchema::setUp(db, 1).outcome, ServerSchema::Outcome::Created);
    // id, exercise, try, answered at, shown for, added time.
    struct Row {
        int id;
        const char *exercise;
        int attempt;
        int at;
        int shown;
        int added;
    };
    const QList<Row> rows = {
        {1, "Ordnen", 1, 10, 900, 900},  {2, "Ordnen", 2, 20, 1900, 1000},
        {3, "Zählen", 1, 30, 400, 400},  {4, "Ordnen", 3, 40, 4000, 2100},
        {5, "Ordnen", 1, 50, 700, 700},  {6, "Zählen", 2, 60, 1500, 1100},
        {7, "Ordnen", 2, 70, 1200, 500},
    };
    const QString insert = QStringLiteral(
        "INSERT INTO answers (id, computer, child_id, exercise, number_range, task, given, "
        "is_right, attempt, at_ms, shown_ms) VALUES ('00000000-0000-0000-0000-%1', 'pc', "
        "'00000000-0000-0000-0000-000000000000', '%2', 100, 't', 'g', 0, %3, %4, %5)");
    QStringList before = {QStringLiteral("INSERT INTO classes (name) VALUES ('1a')"),
                          QStringLiteral("INSERT INTO children (id, class, name) VALUES "
                                         "('00000000-0000-0000-0000-000000000000', '1a', 'Mia')")};
    for (const Row &r : rows.mid(0, rows.size() - 1))
        before << insert.arg(r.id, 12, 10, QLatin1Char('0'))
                      .arg(QString::fromUtf8(r.exercise))
                      .arg(r.attempt)
                      .arg(r.at)
                      .arg(r.shown);
    QVERIFY2(server->exec(before, QStringLiteral("alt")), qPrintable(server->error()));

    const ServerSchema::Result upgrade = ServerSchema::setUp(db);
    QVERIFY2(upgrade.outcome == ServerSchema::Outcome::Created, qPrintable(upgrade.error));
    QCOMPARE(upgrade.serverVersion, 1);
    const Row &late = rows.last();
    QVERIFY2(server->exec(insert.arg(late.id, 12, 10, QLatin1Char('0'))
                              .arg(QString::fromUtf8(late.exercise))
                              .arg(late.attempt)
                              .arg(late.at)
                              .arg(late.shown),
                          QStringLiteral("alt")),
             qPrintable(server->error()));
    QString expected;
    for (const Row &r : rows)
        expected += QStringLiteral("%1:%2 ").arg(r.id).arg(r.added);
    QCOMPARE(server
                 ->value(QStringLiteral("SELECT string_agg(right(id::text, 1) || ':' || added_ms "
                                        "|| ' ', '' ORDER BY id) FROM answers"),
                         QStringLiteral("alt"))
                 .toString(),
             expected);
    QString error;
    QCOMPARE(ServerSchema::serverVersion(db, &error), ServerSchema::version());
}

void ServerSchemaTest::onlyTheOwnerSetsUp() {
    QSqlDatabase db = connect(QStringLiteral("fremd"));
    QVERIFY(db.isOpen());
    ServerSchema::Result result = ServerSchema::setUp(db);
    QVERIFY(result.outcome == ServerSchema::Outcome::NotOwner);
}

// The server cuts role names at 63 bytes: two long school names could share
// one group role, and so each other's rights.
void ServerSchemaTest::longDatabaseNameIsRefused() {
    const QString name = QString(ServerSchema::maxDatabaseNameBytes() + 1, QLatin1Char('s'));
    QVERIFY2(server->createDatabase(name, QStringLiteral("it-lang"), QStringLiteral("pw4")),
             qPrintable(server->error()));
    server->addService(QStringLiteral("lang"), name, QStringLiteral("it-lang"),
                       QStringLiteral("pw4"));
    QSqlDatabase db = connect(QStringLiteral("lang"));
    QVERIFY(db.isOpen());
    const ServerSchema::Result result = ServerSchema::setUp(db);
    QVERIFY(result.outcome == ServerSchema::Outcome::Failed);
    QVERIFY2(result.error.contains(QStringLiteral("zu lang")), qPrintable(result.error));
    QCOMPARE(server
                 ->value(QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname LIKE "
                                        "'zub%ssssss%'"))
                 .toInt(),
             0);
    QCOMPARE(
        server->value(QStringLiteral("SELECT to_regclass('zub_schema') IS NULL"), name).toBool(),
        true);
}

// The fault tests stop the server as a crash would and start it again.
void ServerSchemaTest::schemaSurvivesAServerCrash() {
    QSqlDatabase db = connect(QStringLiteral("nord"));
    QVERIFY(db.isOpen());
    QVERIFY(server->stop(true));
    QVERIFY(!server->isRunning());
    QString error;
    QCOMPARE(ServerSchema::serverVersion(db, &error), -1);
    QVERIFY2(server->start(), qPrintable(server->error()));
    db.close();
    QVERIFY(db.open());
    QCOMPARE(ServerSchema::serverVersion(db, &error), ServerSchema::version());
    QCOMPARE(ServerSchema::setUp(db).outcome, ServerSchema::Outcome::Unchanged);
}

QTEST_GUILESS_MAIN(ServerSchemaTest)
#include "test_server_schema.moc"
