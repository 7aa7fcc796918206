// The administrator's command, run as a program against a private server:
// its exit status and its German words for each way a call can go.
#include "PrivatePostgres.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSqlError>
#include <QTest>

#include <memory>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class KlassenserverToolTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { server.reset(); }
    void callsAndAnswers_data();
    void callsAndAnswers();
    void printedLinesLogIn();
    void newerOrOlderServerIsRefused();

private:
    Run run(const QStringList &arguments);
    std::unique_ptr<PrivatePostgres> server;
};

Run KlassenserverToolTest::run(const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment environment = server->clientFiles().processEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZUB_KLASSENSERVER), arguments);
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void KlassenserverToolTest::initTestCase() {
    server = std::make_unique<PrivatePostgres>();
    if (!server->isAvailable())
        QSKIP(qPrintable(server->skipReason()));
    QVERIFY2(server->isRunning(), qPrintable(server->error()));
    QVERIFY2(server->createDatabase(QStringLiteral("schule"), QStringLiteral("it"),
                                    QStringLiteral("geheim")),
             qPrintable(server->error()));
    QVERIFY(server->exec({QStringLiteral("CREATE ROLE it2 LOGIN CREATEROLE PASSWORD 'richtig'"),
                          QStringLiteral("CREATE ROLE gast LOGIN CREATEROLE PASSWORD 'gast'")}));
    server->addService(QStringLiteral("admin"), QStringLiteral("schule"), QStringLiteral("it"),
                       QStringLiteral("geheim"));
    server->addService(QStringLiteral("falsch"), QStringLiteral("schule"), QStringLiteral("it2"),
                       QStringLiteral("falsch"));
    server->addService(QStringLiteral("fremd"), QStringLiteral("schule"), QStringLiteral("gast"),
                       QStringLiteral("gast"));
}

// Rows run in order against one database: before and after it is set up.
void KlassenserverToolTest::callsAndAnswers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stream");
    QTest::addColumn<QString>("words");
    const QString admin = QStringLiteral("admin");
    const auto computer = [&admin](const QString &name, const QString &className) {
        return QStringList{"rechner", name, "--klasse", className, "--dienst", admin};
    };
    const QString oddClass = QStringLiteral("3b'; DROP TABLE answers; --");

    QTest::newRow("no command") << QStringList{} << 2 << "err"
                                << "Es fehlt, was zu tun ist";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "out"
                          << "Aufruf: zubzahlen-klassenserver";
    QTest::newRow("unknown command") << QStringList{"löschen", "--dienst", admin} << 2 << "err"
                                     << "Unbekannter Befehl „löschen“";
    QTest::newRow("no service") << QStringList{"einrichten"} << 2 << "err"
                                << "--dienst NAME";
    QTest::newRow("no class") << QStringList{"rechner", "pc1", "--dienst", admin} << 2 << "err"
                              << "--klasse 3b";
    QTest::newRow("unknown option")
        << QStringList{"klassen", "--dienst", admin, "--klasse", "3b"} << 2 << "err"
        << "Unbekannte Angabe „--klasse“";
    QTest::newRow("unknown service") << QStringList{"klassen", "--dienst", "nichtda"} << 1 << "err"
                                     << "Den Dienst „nichtda“ gibt es in keiner Dienstdatei";
    QTest::newRow("service name with options")
        << QStringList{"klassen", "--dienst", "admin host=anderswo"} << 1 << "err"
        << "kein gültiger Dienstname";
    QTest::newRow("wrong password") << QStringList{"einrichten", "--dienst", "falsch"} << 1 << "err"
                                    << "falsches oder fehlendes Passwort";
    QTest::newRow("not the owner") << QStringList{"einrichten", "--dienst", "fremd"} << 1 << "err"
                                   << "nicht die Eigentümerin";
    QTest::newRow("before set-up") << QStringList{"klassen", "--dienst", admin} << 1 << "err"
                                   << "noch nicht eingerichtet";
    QTest::newRow("set up") << QStringList{"einrichten", "--dienst", admin} << 0 << "out"
                            << "Der Klassenserver ist eingerichtet (Version 2)";
    QTest::newRow("set up again") << QStringList{"einrichten", "--dienst", admin} << 0 << "out"
                                  << "schon eingerichtet (Version 2); nichts geändert";
    QTest::newRow("no classes yet") << QStringList{"klassen", "--dienst", admin} << 0 << "out"
                                    << "Noch keine Klassen";
    QTest::newRow("name with a quote") << computer("pc'1", "3b") << 1 << "err"
                                       << "darf nur Kleinbuchstaben";
    QTest::newRow("name with a semicolon") << computer("pc1;", "3b") << 1 << "err"
                                           << "darf nur Kleinbuchstaben";
    QTest::newRow("name with a line break") << computer("pc\n1", "3b") << 1 << "err"
                                            << "darf nur Kleinbuchstaben";
    QTest::newRow("name in capitals") << computer("PC1", "3b") << 1 << "err"
                                      << "darf nur Kleinbuchstaben";
    QTest::newRow("name of 1000 letters") << computer(QString(1000, 'a'), "3b") << 1 << "err"
                                          << "Der Name ist zu lang";
    QTest::newRow("reserved name") << computer("zub_rechner", "3b") << 1 << "err"
                                   << "vorbehalten";
    QTest::newRow("class with a line break") << computer("pc1", "3\nb") << 1 << "err"
                                             << "Steuerzeichen";
    QTest::newRow("class of 101 characters") << computer("pc1", QString(101, 'k')) << 1 << "err"
                                             << "länger als 100 Zeichen";
    QTest::newRow("computer") << computer("pc-1", oddClass) << 0 << "out"
                              << "# Rechner pc-1@schule angelegt, Klassen: " + oddClass;
    QTest::newRow("same computer again") << computer("pc-1", oddClass) << 0 << "out"
                                         << "gab es schon: neues Passwort";
    QTest::newRow("teacher under a computer's name")
        << QStringList{"lehrkraft", "pc-1", "--klasse", "3b", "--dienst", admin} << 1 << "err"
        << "gibt es schon, aber als Rechner";
    QTest::newRow("classes") << QStringList{"klassen", "--dienst", admin} << 0 << "out"
                             << "Klasse " + oddClass +
                                    ": 0 Kinder, 0 Antworten\n"
                                    "  Rechner:    pc-1@schule\n";
}

void KlassenserverToolTest::callsAndAnswers() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, stream);
    QFETCH(QString, words);
    const Run result = run(arguments);
    QCOMPARE(result.status, status);
    const QString &text = stream == QLatin1String("out") ? result.out : result.err;
    QVERIFY2(text.contains(words), qPrintable(result.out + result.err));
    if (status != 0)
        QVERIFY2(result.out.isEmpty(), qPrintable(result.out));
}

void KlassenserverToolTest::printedLinesLogIn() {
    const Run result = run({"lehrkraft", "frau.x", "--klasse", "3b", "--dienst", "admin"});
    QCOMPARE(result.status, 0);
    // Over the socket the tool cannot know the server's name, and says so.
    QVERIFY2(result.err.contains(QStringLiteral("Unix-Socket")), qPrintable(result.err));
    const QRegularExpression pass(QStringLiteral("\n([^:\n]+):5432:schule:frau\\.x@schule:"
                                                 "([A-Za-z0-9]{20,})\n"));
    const QRegularExpressionMatch match = pass.match(result.out);
    QVERIFY2(match.hasMatch(), qPrintable(result.out));
    for (const char *line :
         {"\n[admin]\n", "\nport=5432\n", "\ndbname=schule\n", "\nuser=frau.x@schule\n",
          "\nsslmode=verify-full\n", "\n[classServer]\nservice=admin\n"})
        QVERIFY2(result.out.contains(QLatin1String(line)), line);
    server
        ->addService(QStringLiteral("frau-x"), QStringLiteral("schule"),
                     QStringLiteral("frau.x@schule"), match.captured(2))
        .apply();
    QSqlDatabase db = server->connectService(QStringLiteral("frau-x"), QStringLiteral("frau-x"));
    QVERIFY2(db.isOpen(), qPrintable(db.lastError().text()));
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("frau-x"));
}

void KlassenserverToolTest::newerOrOlderServerIsRefused() {
    QVERIFY(server->exec(QStringLiteral("UPDATE zub_schema SET version = version + 1"),
                         QStringLiteral("schule")));
    const Run list = run({"klassen", "--dienst", "admin"});
    const Run setUp = run({"einrichten", "--dienst", "admin"});
    const Run computer = run({"rechner", "pc-9", "--klasse", "1a", "--dienst", "admin"});
    QVERIFY(server->exec(QStringLiteral("UPDATE zub_schema SET version = version - 1"),
                         QStringLiteral("schule")));
    for (const Run &result : {list, setUp, computer}) {
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains(QStringLiteral("neueren Fassung von ZUB-Zahlen")),
                 qPrintable(result.err));
    }
    QCOMPARE(server
                 ->value(QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname = "
                                        "'pc-9@schule'"))
                 .toInt(),
             0);
    // An older server is named as such, with the call that brings it up to date.
    QVERIFY(server->exec(QStringLiteral("UPDATE zub_schema SET version = version - 1"),
                         QStringLiteral("schule")));
    const Run older = run({"klassen", "--dienst", "admin"});
    QVERIFY(server->exec(QStringLiteral("UPDATE zub_schema SET version = version + 1"),
                         QStringLiteral("schule")));
    QCOMPARE(older.status, 1);
    QVERIFY2(older.err.contains(QStringLiteral("älteren Fassung")) &&
                 older.err.contains(QStringLiteral("einrichten --dienst admin")),
             qPrintable(older.err));
}

QTEST_GUILESS_MAIN(KlassenserverToolTest)
#include "test_klassenserver_tool.moc"
