// The class server's schema on a private PostgreSQL server: made once, left
// alone when current or newer, refused to anyone but the database's owner.
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
    void onlyTheOwnerSetsUp();

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
    QVERIFY(
        server->exec(QStringLiteral("UPDATE zub_schema SET version = 2"), QStringLiteral("nord")));
    const QString before =
        server->value(QString::fromLatin1(catalogSnapshot), QStringLiteral("nord")).toString();
    ServerSchema::Result result = ServerSchema::setUp(db);
    QVERIFY(
        server->exec(QStringLiteral("UPDATE zub_schema SET version = 1"), QStringLiteral("nord")));
    QVERIFY(result.outcome == ServerSchema::Outcome::Newer);
    QCOMPARE(result.serverVersion, 2);
    QCOMPARE(server->value(QString::fromLatin1(catalogSnapshot), QStringLiteral("nord"))
                 .toString()
                 .replace(QStringLiteral("version 1"), QStringLiteral("version 2")),
             before);
}

void ServerSchemaTest::onlyTheOwnerSetsUp() {
    QSqlDatabase db = connect(QStringLiteral("fremd"));
    QVERIFY(db.isOpen());
    ServerSchema::Result result = ServerSchema::setUp(db);
    QVERIFY(result.outcome == ServerSchema::Outcome::NotOwner);
}

QTEST_GUILESS_MAIN(ServerSchemaTest)
#include "test_server_schema.moc"
