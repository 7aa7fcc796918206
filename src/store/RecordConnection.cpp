#include "RecordConnection.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace RecordConnection {

namespace {

const QString driver = QStringLiteral("QSQLITE");

// A random UUID (version 4) made by SQLite itself, so that a record of a
// million answers migrates in one statement per table.
const QString uuidExpression = QStringLiteral(
    "lower(hex(randomblob(4))) || '-' || lower(hex(randomblob(2))) || '-4' ||"
    " substr(lower(hex(randomblob(2))), 2) || '-' ||"
    " substr('89ab', 1 + abs(random()) % 4, 1) || substr(lower(hex(randomblob(2))), 2) ||"
    " '-' || lower(hex(randomblob(6)))");

// Every answer and event gets the id it keeps on the class server, the
// server's id of its child (NULL: the account's own record or a name known
// only here, never sent) and its place in the queue to the server. The
// server's children are copied for "Wer übt?" when the server is away.
QStringList toClassServer() {
    QStringList steps;
    for (const char *table : {"answers", "events"}) {
        const QString t = QString::fromLatin1(table);
        steps << QStringLiteral("ALTER TABLE %1 ADD COLUMN id VARCHAR(36)").arg(t)
              << QStringLiteral("ALTER TABLE %1 ADD COLUMN child_id VARCHAR(36)").arg(t)
              << QStringLiteral("ALTER TABLE %1 ADD COLUMN queue_state SMALLINT NOT NULL "
                                "DEFAULT 0")
                     .arg(t)
              << QStringLiteral("ALTER TABLE %1 ADD COLUMN set_aside_reason VARCHAR(1000)").arg(t)
              << QStringLiteral("UPDATE %1 SET id = %2").arg(t, uuidExpression)
              << QStringLiteral("CREATE UNIQUE INDEX %1_by_id ON %1 (id)").arg(t)
              << QStringLiteral("CREATE INDEX %1_waiting ON %1 (queue_state)"
                                " WHERE queue_state = 0 AND child_id IS NOT NULL")
                     .arg(t);
    }
    steps << QStringLiteral("CREATE TABLE server_children (id VARCHAR(36) NOT NULL PRIMARY KEY,"
                            " class VARCHAR(100) NOT NULL, name VARCHAR(1000) NOT NULL)");
    return steps;
}

// Numbered migrations: entry n brings a file from version n to n + 1.
const QList<QStringList> &migrations() {
    static const QList<QStringList> steps = {
        {
            QStringLiteral("CREATE TABLE children (name VARCHAR(1000) NOT NULL PRIMARY KEY)"),
            QStringLiteral("CREATE TABLE answers (child VARCHAR(1000) NOT NULL,"
                           " exercise VARCHAR(100) NOT NULL, number_range INTEGER NOT NULL,"
                           " task VARCHAR(1000) NOT NULL, given VARCHAR(1000) NOT NULL,"
                           " is_right SMALLINT NOT NULL, attempt INTEGER NOT NULL,"
                           " at_ms BIGINT NOT NULL, shown_ms BIGINT NOT NULL)"),
            QStringLiteral("CREATE INDEX answers_by_child ON answers (child, at_ms)"),
            QStringLiteral("CREATE TABLE events (child VARCHAR(1000) NOT NULL,"
                           " kind VARCHAR(100) NOT NULL, detail VARCHAR(1000) NOT NULL,"
                           " at_ms BIGINT NOT NULL)"),
            QStringLiteral("CREATE INDEX events_by_child ON events (child, at_ms)"),
        },
        toClassServer(),
    };
    return steps;
}

bool run(QSqlDatabase &db, const QString &statement) {
    QSqlQuery query(db);
    return query.exec(statement);
}

int readVersion(QSqlDatabase &db, bool *ok) {
    QSqlQuery query(db);
    *ok = query.exec(QStringLiteral("PRAGMA user_version")) && query.next();
    return *ok ? query.value(0).toInt() : 0;
}

// SQLite itself opens anything lazily; a file that is not a database shows
// only at its first read.
bool looksLikeDatabase(const QString &path) {
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable is a folder problem, not damage
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

bool migrate(QSqlDatabase &db, int from) {
    for (int version = from; version < schemaVersion(); ++version) {
        if (!db.transaction())
            return false;
        bool ok = true;
        for (const QString &statement : migrations().at(version))
            ok = ok && run(db, statement);
        ok = ok && run(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        if (!ok || !db.commit()) {
            db.rollback();
            return false;
        }
    }
    return true;
}

bool isDamage(const QSqlError &error) {
    const QString text = error.databaseText().toLower();
    return text.contains(QLatin1String("not a database")) ||
           text.contains(QLatin1String("malformed")) || text.contains(QLatin1String("corrupt"));
}

} // namespace

int schemaVersion() {
    return int(migrations().size());
}

Outcome open(const QString &connection, const QString &path) {
    if (!looksLikeDatabase(path))
        return Outcome::Damaged;
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection);
    db.setDatabaseName(path);
    // Two programs of one account write the same file: wait for the other's
    // short transaction instead of failing.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return Outcome::Unwritable;
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return isDamage(probe.lastError()) ? Outcome::Damaged : Outcome::Unwritable;
    probe.finish();
    bool ok = false;
    const int version = readVersion(db, &ok);
    if (!ok)
        return Outcome::Unwritable;
    if (version > schemaVersion()) {
        // Never written: reopened read only, so not even the log is touched.
        db.close();
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        return db.open() ? Outcome::Newer : Outcome::Unwritable;
    }
    // The write-ahead log keeps every committed answer through a kill; NORMAL
    // syncs at checkpoints only, which a killed process cannot undo.
    // SQLite's own cache would grow to 2 MB with the record; the system's file
    // cache serves the rare long reads all the same.
    if (!run(db, QStringLiteral("PRAGMA journal_mode = WAL")) ||
        !run(db, QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !run(db, QStringLiteral("PRAGMA cache_size = -256")))
        return Outcome::Unwritable;
    return migrate(db, version) ? Outcome::Ready : Outcome::Unwritable;
}

void close(const QString &connection) {
    if (!QSqlDatabase::contains(connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace RecordConnection
