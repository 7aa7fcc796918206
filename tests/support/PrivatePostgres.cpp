#include "PrivatePostgres.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The newest installed server's programs (initdb, pg_ctl are not on PATH).
QString serverBinDir() {
    QStringList dirs;
    const QDir lib(QStringLiteral("/usr/lib/postgresql"));
    for (const QString &version : lib.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFile::exists(lib.filePath(version + QStringLiteral("/bin/initdb"))))
            dirs << version;
    }
    if (dirs.isEmpty())
        return {};
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(dirs.begin(), dirs.end(), numeric);
    return lib.filePath(dirs.last() + QStringLiteral("/bin"));
}

// pgpass fields: ':' and '\' escaped by a backslash.
QString passField(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char(':'), QStringLiteral("\\:"));
    return text;
}

bool appendText(const QString &path, const QString &text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.write(text.toUtf8()) >= 0;
}

bool processGone(qint64 pid) {
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

QList<QPair<QByteArray, QByteArray>> PgClientFiles::environment() const {
    return {{"PGSERVICEFILE", QFile::encodeName(serviceFile)},
            {"PGPASSFILE", QFile::encodeName(passFile)}};
}

void PgClientFiles::apply() const {
    for (const auto &[name, value] : environment())
        qputenv(name.constData(), value);
}

QProcessEnvironment PgClientFiles::processEnvironment(QProcessEnvironment base) const {
    for (const auto &[name, value] : environment())
        base.insert(QString::fromLatin1(name), QFile::decodeName(value));
    return base;
}

PrivatePostgres::PrivatePostgres()
    : connectionPrefix_(QStringLiteral("private-postgres-") +
                        QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    bin_ = serverBinDir();
    if (bin_.isEmpty()) {
        skipReason_ = QStringLiteral("no PostgreSQL server installed (Debian package postgresql)");
        return;
    }
    major_ = QFileInfo(QDir::cleanPath(bin_ + QStringLiteral("/.."))).fileName().toInt();
    if (initialise())
        start();
}

PrivatePostgres::~PrivatePostgres() {
    if (!dir_.isEmpty()) {
        stop();
        QDir(dir_).removeRecursively();
    }
    if (watchdogPid_ > 0) {
        ::kill(pid_t(watchdogPid_), SIGTERM);
    }
}

bool PrivatePostgres::initialise() {
    // initdb and the server refuse to run as root: they run as an unprivileged
    // user who owns the folder and can enter /tmp.
    if (::geteuid() == 0) {
        runAs_ = ::getpwnam("postgres") ? QStringLiteral("postgres") : QStringLiteral("nobody");
    }
    // The socket path must stay short (108 bytes), and as root the server's
    // user must be able to reach the folder: /tmp serves both.
    const QByteArray base = runAs_.isEmpty() && QDir::tempPath().size() < 60
                                ? QFile::encodeName(QDir::tempPath())
                                : QByteArray("/tmp");
    QByteArray pattern = base + "/zubpg-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        error_ = QStringLiteral("cannot make a folder in %1").arg(QString::fromLocal8Bit(base));
        return false;
    }
    dir_ = QFile::decodeName(pattern);
    startWatchdog();
    if (!runAs_.isEmpty()) {
        const passwd *user = ::getpwnam(runAs_.toLocal8Bit().constData());
        if (!user || ::chown(pattern.constData(), user->pw_uid, user->pw_gid) != 0) {
            error_ = QStringLiteral("cannot give %1 to %2").arg(dir_, runAs_);
            return false;
        }
    }
    // Everyone but the superuser needs a password, as on a school's server.
    const QString data = dir_ + QStringLiteral("/data");
    if (!runAsServerUser({bin_ + QStringLiteral("/initdb"), QStringLiteral("-D"), data,
                          QStringLiteral("-U"), superuser(), QStringLiteral("-E"),
                          QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"),
                          QStringLiteral("--no-sync"), QStringLiteral("--auth-local=trust"),
                          QStringLiteral("--auth-host=reject")},
                         &error_))
        return false;
    QFile hba(data + QStringLiteral("/pg_hba.conf"));
    if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error_ = QStringLiteral("cannot write pg_hba.conf");
        return false;
    }
    hba.write(QStringLiteral("local all %1 trust\nlocal all all scram-sha-256\n")
                  .arg(superuser())
                  .toUtf8());
    return true;
}

bool PrivatePostgres::runAsServerUser(const QStringList &command, QString *output) {
    QStringList args = command;
    QString program = args.takeFirst();
    if (!runAs_.isEmpty()) {
        args = QStringList{QStringLiteral("-u"), runAs_, QStringLiteral("--"), program} + args;
        program = QStringLiteral("runuser");
    }
    QProcess process;
    process.setWorkingDirectory(dir_);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool ok = process.waitForFinished(120000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok && output)
        *output = command.join(QLatin1Char(' ')) + QStringLiteral(": ") +
                  QString::fromLocal8Bit(process.readAll()) + process.errorString();
    return ok;
}

void PrivatePostgres::startWatchdog() {
    // Waits for this test process to end, however it ends, then stops the
    // server (if still there) and removes the folder.
    const QString script = QStringLiteral(
        "tail --pid=\"$1\" -f /dev/null; f=\"$2/data/postmaster.pid\"; "
        "if [ -r \"$f\" ]; then p=$(head -n1 \"$f\"); kill -QUIT \"$p\" 2>/dev/null; "
        "n=0; while kill -0 \"$p\" 2>/dev/null && [ $n -lt 300 ]; do sleep 0.1; n=$((n+1)); done; "
        "fi; rm -rf \"$2\"");
    QProcess watchdog;
    watchdog.setProgram(QStringLiteral("/bin/sh"));
    watchdog.setArguments({QStringLiteral("-c"), script, QStringLiteral("watchdog"),
                           QString::number(QCoreApplication::applicationPid()), dir_});
    watchdog.setStandardInputFile(QProcess::nullDevice());
    watchdog.setStandardOutputFile(QProcess::nullDevice());
    watchdog.setStandardErrorFile(QProcess::nullDevice());
    watchdog.startDetached(&watchdogPid_);
}

qint64 PrivatePostgres::readPid() const {
    QFile file(dir_ + QStringLiteral("/data/postmaster.pid"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine().trimmed().toLongLong();
}

bool PrivatePostgres::start() {
    if (dir_.isEmpty() || pid_ > 0)
        return pid_ > 0;
    const QString options = QStringLiteral("-c listen_addresses='' -k %1 -p %2 -c fsync=off "
                                           "-c full_page_writes=off -c max_connections=60")
                                .arg(dir_)
                                .arg(port());
    const QString log = dir_ + QStringLiteral("/server.log");
    if (!runAsServerUser({bin_ + QStringLiteral("/pg_ctl"), QStringLiteral("-D"),
                          dir_ + QStringLiteral("/data"), QStringLiteral("-l"), log,
                          QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"),
                          QStringLiteral("-o"), options, QStringLiteral("start")},
                         &error_)) {
        QFile file(log);
        if (file.open(QIODevice::ReadOnly))
            error_ += QLatin1Char('\n') + QString::fromLocal8Bit(file.readAll());
        return false;
    }
    pid_ = readPid();
    return pid_ > 0;
}

bool PrivatePostgres::stop(bool immediate) {
    closeAdminConnections();
    if (pid_ <= 0)
        return true;
    // SIGINT: fast shutdown; SIGQUIT: immediate, recovery on the next start.
    ::kill(pid_t(pid_), immediate ? SIGQUIT : SIGINT);
    for (int i = 0; i < 3000 && !processGone(pid_); ++i)
        QThread::msleep(10);
    if (!processGone(pid_))
        ::kill(pid_t(pid_), SIGKILL);
    pid_ = 0;
    return true;
}

QSqlDatabase PrivatePostgres::adminConnection(const QString &database) {
    const QString name = connectionPrefix_ + QLatin1Char('/') + database;
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name);
        if (db.isOpen())
            return db;
    }
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase("QPSQL", name);
    if (!adminConnections_.contains(name))
        adminConnections_ << name;
    db.setHostName(dir_);
    db.setPort(port());
    db.setUserName(superuser());
    db.setDatabaseName(database);
    if (!db.open())
        error_ = db.lastError().text();
    return db;
}

void PrivatePostgres::closeAdminConnections() {
    for (const QString &name : std::as_const(adminConnections_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    adminConnections_.clear();
}

bool PrivatePostgres::exec(const QStringList &statements, const QString &database) {
    QSqlDatabase db = adminConnection(database);
    if (!db.isOpen())
        return false;
    for (const QString &statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            error_ = statement + QStringLiteral(": ") + query.lastError().text();
            return false;
        }
    }
    return true;
}

QVariant PrivatePostgres::value(const QString &text, const QString &database) {
    QSqlDatabase db = adminConnection(database);
    if (!db.isOpen())
        return {};
    QSqlQuery query(db);
    if (!query.exec(text) || !query.next()) {
        error_ = text + QStringLiteral(": ") + query.lastError().text();
        return {};
    }
    return query.value(0);
}

bool PrivatePostgres::createDatabase(const QString &database, const QString &owner,
                                     const QString &password) {
    QSqlDatabase db = adminConnection(QStringLiteral("postgres"));
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT format('CREATE ROLE %I LOGIN CREATEROLE PASSWORD %L', ?::text, ?::text), "
        "format('CREATE DATABASE %I OWNER %I', ?::text, ?::text)"));
    query.addBindValue(owner);
    query.addBindValue(password);
    query.addBindValue(database);
    query.addBindValue(owner);
    if (!query.exec() || !query.next()) {
        error_ = query.lastError().text();
        return false;
    }
    const QStringList statements{query.value(0).toString(), query.value(1).toString()};
    query.finish();
    return exec(statements);
}

PgClientFiles PrivatePostgres::clientFiles() const {
    return {dir_ + QStringLiteral("/client/pg_service.conf"),
            dir_ + QStringLiteral("/client/pgpass")};
}

PgClientFiles PrivatePostgres::addService(const QString &service, const QString &database,
                                          const QString &role, const QString &password) {
    const PgClientFiles files = clientFiles();
    QDir().mkpath(QFileInfo(files.serviceFile).path());
    appendText(files.serviceFile, QStringLiteral("[%1]\nhost=%2\nport=%3\ndbname=%4\nuser=%5\n\n")
                                      .arg(service, dir_)
                                      .arg(port())
                                      .arg(database, role));
    appendText(files.passFile, QStringLiteral("%1:%2:%3:%4:%5\n")
                                   .arg(passField(dir_))
                                   .arg(port())
                                   .arg(passField(database), passField(role), passField(password)));
    return files;
}

QSqlDatabase PrivatePostgres::connectService(const QString &connectionName,
                                             const QString &service) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setConnectOptions(QStringLiteral("service=%1;connect_timeout=3").arg(service));
    db.open();
    return db;
}
