#include "ServerSchema.h"

#include "ServerSql.h"

#include <QStringList>

namespace ServerSchema {

namespace {

// Version 1. %1: the computers' group, %2: the teachers' group, %3: the
// database, all quoted by the server. "My classes" is the same subquery in
// every policy; members shows each role its own rows only.
const QStringList &versionOne() {
    static const QStringList steps = {
        QStringLiteral("CREATE TABLE zub_schema (version INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE classes (name VARCHAR(100) PRIMARY KEY,"
                       " keep_months INTEGER NOT NULL DEFAULT 13, last_cleanup TIMESTAMPTZ)"),
        QStringLiteral("CREATE TABLE members (role_name VARCHAR(63) NOT NULL,"
                       " kind VARCHAR(20) NOT NULL CHECK (kind IN ('rechner', 'lehrkraft')),"
                       " class VARCHAR(100) NOT NULL REFERENCES classes(name) ON DELETE CASCADE,"
                       " PRIMARY KEY (role_name, class))"),
        QStringLiteral("CREATE TABLE children (id UUID PRIMARY KEY,"
                       " class VARCHAR(100) NOT NULL REFERENCES classes(name),"
                       " name VARCHAR(1000) NOT NULL)"),
        QStringLiteral("CREATE TABLE answers (id UUID PRIMARY KEY,"
                       " computer VARCHAR(63) NOT NULL DEFAULT current_user,"
                       " child_id UUID NOT NULL REFERENCES children(id) ON DELETE CASCADE,"
                       " exercise VARCHAR(100) NOT NULL, number_range INTEGER NOT NULL,"
                       " task VARCHAR(1000) NOT NULL, given VARCHAR(1000) NOT NULL,"
                       " is_right SMALLINT NOT NULL, attempt INTEGER NOT NULL,"
                       " at_ms BIGINT NOT NULL, shown_ms BIGINT NOT NULL,"
                       " received_at TIMESTAMPTZ NOT NULL DEFAULT now())"),
        QStringLiteral("CREATE INDEX answers_by_child ON answers (child_id, at_ms)"),
        QStringLiteral("CREATE TABLE events (id UUID PRIMARY KEY,"
                       " computer VARCHAR(63) NOT NULL DEFAULT current_user,"
                       " child_id UUID NOT NULL REFERENCES children(id) ON DELETE CASCADE,"
                       " kind VARCHAR(100) NOT NULL, detail VARCHAR(1000) NOT NULL,"
                       " at_ms BIGINT NOT NULL, received_at TIMESTAMPTZ NOT NULL DEFAULT now())"),
        QStringLiteral("CREATE INDEX events_by_child ON events (child_id, at_ms)"),
        QStringLiteral("CREATE INDEX members_by_class ON members (class)"),
        QStringLiteral("CREATE INDEX children_by_class ON children (class)"),

        QStringLiteral("REVOKE CONNECT, TEMPORARY ON DATABASE %3 FROM PUBLIC"),
        QStringLiteral("GRANT CONNECT ON DATABASE %3 TO %1, %2"),
        QStringLiteral("REVOKE CREATE ON SCHEMA public FROM PUBLIC"),
        QStringLiteral("REVOKE ALL ON zub_schema, classes, members, children, answers, events"
                       " FROM PUBLIC"),
        QStringLiteral("GRANT SELECT ON zub_schema, members, classes, children TO %1, %2"),
        QStringLiteral("GRANT UPDATE (keep_months, last_cleanup) ON classes TO %2"),
        QStringLiteral("GRANT INSERT, UPDATE (name), DELETE ON children TO %2"),
        QStringLiteral("GRANT INSERT ON answers, events TO %1"),
        QStringLiteral("GRANT SELECT, DELETE ON answers, events TO %2"),

        QStringLiteral("ALTER TABLE members ENABLE ROW LEVEL SECURITY"),
        QStringLiteral("ALTER TABLE classes ENABLE ROW LEVEL SECURITY"),
        QStringLiteral("ALTER TABLE children ENABLE ROW LEVEL SECURITY"),
        QStringLiteral("ALTER TABLE answers ENABLE ROW LEVEL SECURITY"),
        QStringLiteral("ALTER TABLE events ENABLE ROW LEVEL SECURITY"),
        QStringLiteral("CREATE POLICY own_rows ON members FOR SELECT TO %1, %2"
                       " USING (role_name = current_user)"),
        QStringLiteral("CREATE POLICY my_classes ON classes FOR SELECT TO %1, %2"
                       " USING (name IN (SELECT class FROM members"
                       " WHERE role_name = current_user))"),
        QStringLiteral("CREATE POLICY teacher_keeps ON classes FOR UPDATE TO %2"
                       " USING (name IN (SELECT class FROM members"
                       " WHERE role_name = current_user))"),
        QStringLiteral("CREATE POLICY my_children ON children FOR ALL TO %1, %2"
                       " USING (class IN (SELECT class FROM members"
                       " WHERE role_name = current_user))"
                       " WITH CHECK (class IN (SELECT class FROM members"
                       " WHERE role_name = current_user))"),
        QStringLiteral("CREATE POLICY computer_sends ON answers FOR INSERT TO %1"
                       " WITH CHECK (computer = current_user AND child_id IN (SELECT id"
                       " FROM children WHERE class IN (SELECT class FROM members"
                       " WHERE role_name = current_user)))"),
        QStringLiteral("CREATE POLICY teacher_reads ON answers FOR ALL TO %2"
                       " USING (child_id IN (SELECT id FROM children WHERE class IN"
                       " (SELECT class FROM members WHERE role_name = current_user)))"),
        QStringLiteral("CREATE POLICY computer_sends ON events FOR INSERT TO %1"
                       " WITH CHECK (computer = current_user AND child_id IN (SELECT id"
                       " FROM children WHERE class IN (SELECT class FROM members"
                       " WHERE role_name = current_user)))"),
        QStringLiteral("CREATE POLICY teacher_reads ON events FOR ALL TO %2"
                       " USING (child_id IN (SELECT id FROM children WHERE class IN"
                       " (SELECT class FROM members WHERE role_name = current_user)))"),
        QStringLiteral("INSERT INTO zub_schema (version) VALUES (1)"),
    };
    return steps;
}

// Version 2: each answer carries the time it added to its task, so that a
// class's practice time is a plain sum the server can share out among its
// workers, instead of a sort of every answer to find each task's last try.
// A task's time runs from the moment it appeared, so a later try adds what
// passed since the try before it. The server works it out as an answer
// arrives, whichever program sent it; a computer may not read the answer
// before, so the function runs with its owner's rights.
const QStringList &versionTwo() {
    static const QStringList steps = {
        QStringLiteral("ALTER TABLE answers ADD COLUMN added_ms BIGINT"),
        QStringLiteral("UPDATE answers a SET added_ms = a.shown_ms - coalesce(t.before_ms, 0)"
                       " FROM (SELECT id, CASE WHEN attempt > 1 THEN lag(shown_ms) OVER"
                       " (PARTITION BY child_id, exercise ORDER BY at_ms) END AS before_ms"
                       " FROM answers) t WHERE t.id = a.id"),
        QStringLiteral("ALTER TABLE answers ALTER COLUMN added_ms SET NOT NULL"),
        QStringLiteral("CREATE FUNCTION answer_added_ms() RETURNS trigger LANGUAGE plpgsql"
                       " SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$"
                       " BEGIN NEW.added_ms := NEW.shown_ms - CASE WHEN NEW.attempt > 1 THEN"
                       " coalesce((SELECT p.shown_ms FROM public.answers p"
                       " WHERE p.child_id = NEW.child_id AND p.exercise = NEW.exercise"
                       " AND p.at_ms < NEW.at_ms ORDER BY p.at_ms DESC LIMIT 1), 0) ELSE 0 END;"
                       " RETURN NEW; END $$"),
        QStringLiteral("REVOKE ALL ON FUNCTION answer_added_ms() FROM PUBLIC"),
        QStringLiteral("CREATE TRIGGER answer_added_ms BEFORE INSERT ON answers"
                       " FOR EACH ROW EXECUTE FUNCTION answer_added_ms()"),
    };
    return steps;
}

// Numbered migrations: entry n brings a database from version n to n + 1.
const QList<QStringList> &migrations() {
    static const QList<QStringList> steps = {versionOne(), versionTwo()};
    return steps;
}

// Makes a group role unless the server has it already.
bool ensureGroup(QSqlDatabase &db, const QString &role, QString *error) {
    QList<QVariantList> rows;
    if (!ServerSql::select(db, QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"), {role},
                           &rows, error))
        return false;
    if (!rows.isEmpty())
        return true;
    const QString create =
        ServerSql::format(db, QStringLiteral("CREATE ROLE %I NOLOGIN"), {role}, error);
    return !create.isEmpty() && ServerSql::exec(db, create, error);
}

// Puts the quoted names in place of %1..%3 in one pass (QString::arg would
// renumber, and would look again inside a name that holds a percent sign).
QString withNames(const QString &statement, const QVariantList &names) {
    QString text;
    for (int i = 0; i < statement.size(); ++i) {
        const int n = i + 1 < statement.size() ? statement.at(i + 1).digitValue() : -1;
        if (statement.at(i) == QLatin1Char('%') && n >= 1 && n <= names.size()) {
            text += names.at(n - 1).toString();
            ++i;
        } else {
            text += statement.at(i);
        }
    }
    return text;
}

bool migrate(QSqlDatabase &db, int from, int to, QString *error) {
    QList<QVariantList> rows;
    if (!ServerSql::select(db, QStringLiteral("SELECT current_database()"), {}, &rows, error))
        return false;
    const QString database = rows.first().first().toString();
    const QString computers = computerGroup(database);
    const QString teachers = teacherGroup(database);
    if (database.toUtf8().size() > maxDatabaseNameBytes()) {
        *error = QStringLiteral("Der Name der Datenbank ist zu lang für die Rollen des "
                                "Klassenservers (höchstens %1 Byte).")
                     .arg(maxDatabaseNameBytes());
        return false;
    }
    if (!ensureGroup(db, computers, error) || !ensureGroup(db, teachers, error))
        return false;
    rows.clear();
    if (!ServerSql::select(db,
                           QStringLiteral("SELECT quote_ident(?), quote_ident(?), quote_ident(?)"),
                           {computers, teachers, database}, &rows, error))
        return false;
    const QVariantList quoted = rows.first();
    for (int step = from; step < to; ++step) {
        for (const QString &statement : migrations().at(step)) {
            if (!ServerSql::exec(db, withNames(statement, quoted), error))
                return false;
        }
        if (step > 0 &&
            !ServerSql::exec(db, QStringLiteral("UPDATE zub_schema SET version = %1").arg(step + 1),
                             error))
            return false;
    }
    return true;
}

} // namespace

int version() {
    return 2;
}

QString computerGroup(const QString &database) {
    return QStringLiteral("zub_rechner@") + database;
}

QString teacherGroup(const QString &database) {
    return QStringLiteral("zub_lehrkraefte@") + database;
}

int maxDatabaseNameBytes() {
    return 63 - int(teacherGroup({}).toUtf8().size());
}

QString connectOptions(const QString &service) {
    return QStringLiteral("service=%1;connect_timeout=3;tcp_user_timeout=5000;keepalives=1;"
                          "keepalives_idle=5;keepalives_interval=2;keepalives_count=2")
        .arg(service);
}

int serverVersion(QSqlDatabase &db, QString *error) {
    QList<QVariantList> rows;
    if (!ServerSql::select(db, QStringLiteral("SELECT to_regclass('public.zub_schema') IS NULL"),
                           {}, &rows, error))
        return -1;
    if (rows.first().first().toBool())
        return 0;
    rows.clear();
    if (!ServerSql::select(db, QStringLiteral("SELECT coalesce(max(version), 0) FROM zub_schema"),
                           {}, &rows, error))
        return -1;
    return rows.first().first().toInt();
}

Rights rights(QSqlDatabase &db, QString *error) {
    QList<QVariantList> rows;
    Rights result;
    if (ServerSql::select(db,
                          QStringLiteral("SELECT d.datdba = r.oid OR r.rolsuper,"
                                         " r.rolcreaterole OR r.rolsuper FROM pg_database d,"
                                         " pg_roles r WHERE d.datname = current_database()"
                                         " AND r.rolname = current_user"),
                          {}, &rows, error) &&
        !rows.isEmpty()) {
        result.owner = rows.first().at(0).toBool();
        result.createRole = rows.first().at(1).toBool();
    }
    return result;
}

Result setUp(QSqlDatabase &db, int target) {
    Result result;
    const Rights may = rights(db, &result.error);
    if (!result.error.isEmpty())
        return result;
    if (!may.owner || !may.createRole) {
        result.outcome = may.owner ? Outcome::NoCreateRole : Outcome::NotOwner;
        return result;
    }
    if (!db.transaction()) {
        result.error = QStringLiteral("BEGIN failed");
        return result;
    }
    // Two administrators at once: the second waits, then finds it done.
    bool ok =
        ServerSql::exec(db, QStringLiteral("SELECT pg_advisory_xact_lock(7319, 1)"), &result.error);
    result.serverVersion = ok ? serverVersion(db, &result.error) : -1;
    ok = result.serverVersion >= 0;
    if (ok && result.serverVersion >= target) {
        db.rollback();
        result.outcome = result.serverVersion > target ? Outcome::Newer : Outcome::Unchanged;
        return result;
    }
    if (ok && migrate(db, result.serverVersion, target, &result.error) && db.commit()) {
        result.outcome = Outcome::Created;
        return result;
    }
    db.rollback();
    result.outcome = Outcome::Failed;
    return result;
}

} // namespace ServerSchema
