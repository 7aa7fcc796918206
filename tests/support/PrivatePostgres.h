#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// libpq's files for one client: a service file and a password file (0600).
// A test sets them in its own process with apply() or hands them to a child
// process through processEnvironment().
struct PgClientFiles {
    QString serviceFile;
    QString passFile;

    QList<QPair<QByteArray, QByteArray>> environment() const;
    void apply() const;
    QProcessEnvironment
    processEnvironment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;
};

// A PostgreSQL server of the test's own: initdb into a temporary folder,
// reachable only through a Unix socket in that folder, run as an unprivileged
// user when the test runs as root. The superuser logs in without a password;
// every other role needs its password. The destructor stops the server by its
// PID and removes the folder; a watchdog does the same if the test dies first.
class PrivatePostgres {
public:
    PrivatePostgres();
    ~PrivatePostgres();
    PrivatePostgres(const PrivatePostgres &) = delete;
    PrivatePostgres &operator=(const PrivatePostgres &) = delete;

    // False only where the server's package is missing; then skipReason() says so.
    bool isAvailable() const { return skipReason_.isEmpty(); }
    QString skipReason() const { return skipReason_; }
    // Why starting or a statement failed (with the server's log on start-up).
    QString error() const { return error_; }
    bool isRunning() const { return pid_ > 0; }

    QString socketDir() const { return dir_; }
    int port() const { return 5432; }
    QString superuser() const { return QStringLiteral("admin"); }
    // PostgreSQL's major version, e.g. 15.
    int majorVersion() const { return major_; }

    // Stops the server: fast (sessions ended cleanly) or immediate (as after a crash).
    bool stop(bool immediate = false);
    bool start();

    // Runs statements as the superuser in that database, each through exec(QString).
    bool exec(const QStringList &statements, const QString &database = QStringLiteral("postgres"));
    bool exec(const QString &statement, const QString &database = QStringLiteral("postgres")) {
        return exec(QStringList{statement}, database);
    }
    // The first column of the first row, as the superuser (invalid on error).
    QVariant value(const QString &query, const QString &database = QStringLiteral("postgres"));

    // Creates a database owned by a new login role (with CREATEROLE, as a
    // school's administrator) with this password.
    bool createDatabase(const QString &database, const QString &owner, const QString &password);

    // Adds a service for this role and database to the fixture's service file,
    // and its password to the password file. Both files belong to the
    // fixture; later calls add to them, so one environment serves all roles.
    PgClientFiles addService(const QString &service, const QString &database, const QString &role,
                             const QString &password);
    PgClientFiles clientFiles() const;

    // A QPSQL connection through a service (connect options as the program's).
    QSqlDatabase connectService(const QString &connectionName, const QString &service);

private:
    bool initialise();
    bool runAsServerUser(const QStringList &command, QString *output = nullptr);
    QSqlDatabase adminConnection(const QString &database);
    void closeAdminConnections();
    void startWatchdog();
    qint64 readPid() const;

    QString bin_;
    QString dir_;
    QString runAs_; // empty when not root
    QString skipReason_;
    QString error_;
    QString connectionPrefix_;
    QStringList adminConnections_;
    qint64 pid_ = 0;
    qint64 watchdogPid_ = 0;
    int major_ = 0;
};
