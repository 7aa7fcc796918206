#include "ServerAdmin.h"

#include "ServerSchema.h"
#include "ServerSql.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace ServerAdmin {

namespace {

QString otherGroup(Kind kind, const QString &database) {
    return kind == Kind::Computer ? ServerSchema::teacherGroup(database)
                                  : ServerSchema::computerGroup(database);
}

QString ownGroup(Kind kind, const QString &database) {
    return kind == Kind::Computer ? ServerSchema::computerGroup(database)
                                  : ServerSchema::teacherGroup(database);
}

bool currentDatabase(QSqlDatabase &db, QString *database, QString *error) {
    QList<QVariantList> rows;
    if (!ServerSql::select(db, QStringLiteral("SELECT current_database()"), {}, &rows, error))
        return false;
    *database = rows.first().first().toString();
    return true;
}

// 0: no such role; 1: a member of this group; 2: of the other group; 3: another role.
int roleState(QSqlDatabase &db, Kind kind, const QString &role, const QString &database,
              QString *error) {
    QList<QVariantList> rows;
    const QString text = QStringLiteral(
        "SELECT pg_has_role(r.oid, g.oid, 'MEMBER'), pg_has_role(r.oid, o.oid, 'MEMBER')"
        " FROM pg_roles r, pg_roles g, pg_roles o"
        " WHERE r.rolname = ? AND g.rolname = ? AND o.rolname = ?");
    if (!ServerSql::select(db, text, {role, ownGroup(kind, database), otherGroup(kind, database)},
                           &rows, error))
        return -1;
    if (rows.isEmpty()) {
        rows.clear();
        if (!ServerSql::select(db, QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"),
                               {role}, &rows, error))
            return -1;
        return rows.isEmpty() ? 0 : 3;
    }
    if (rows.first().at(0).toBool())
        return 1;
    return rows.first().at(1).toBool() ? 2 : 3;
}

bool run(QSqlDatabase &db, const QString &pattern, const QStringList &args, QString *error) {
    const QString statement = ServerSql::format(db, pattern, args, error);
    return !statement.isEmpty() && ServerSql::exec(db, statement, error);
}

bool writeMember(QSqlDatabase &db, Kind kind, const QString &database, const QStringList &classes,
                 Member *member, QString *error) {
    const int state = roleState(db, kind, member->role, database, error);
    if (state < 0)
        return false;
    if (state >= 2) {
        *error = state == 2
                     ? QStringLiteral("Die Rolle %1 gibt es schon, aber als %2.")
                           .arg(member->role, kind == Kind::Computer ? QStringLiteral("Lehrkraft")
                                                                     : QStringLiteral("Rechner"))
                     : QStringLiteral("Die Rolle %1 gibt es auf dem Server schon; sie "
                                      "gehört nicht zu diesem Programm.")
                           .arg(member->role);
        return false;
    }
    member->existed = state == 1;
    if (member->existed) {
        if (!run(db, QStringLiteral("ALTER ROLE %I LOGIN PASSWORD %L"),
                 {member->role, member->password}, error))
            return false;
    } else if (!run(db, QStringLiteral("CREATE ROLE %I LOGIN PASSWORD %L"),
                    {member->role, member->password}, error) ||
               !run(db, QStringLiteral("GRANT %I TO %I"), {ownGroup(kind, database), member->role},
                    error)) {
        return false;
    }
    if (!ServerSql::select(db, QStringLiteral("DELETE FROM members WHERE role_name = ?"),
                           {member->role}, nullptr, error))
        return false;
    for (const QString &name : classes) {
        if (!ServerSql::select(db,
                               QStringLiteral("INSERT INTO classes (name) VALUES (?)"
                                              " ON CONFLICT DO NOTHING"),
                               {name}, nullptr, error) ||
            !ServerSql::select(db,
                               QStringLiteral("INSERT INTO members (role_name, kind, class)"
                                              " VALUES (?, ?, ?) ON CONFLICT DO NOTHING"),
                               {member->role, kindWord(kind), name}, nullptr, error))
            return false;
    }
    return true;
}

} // namespace

QString kindWord(Kind kind) {
    return kind == Kind::Computer ? QStringLiteral("rechner") : QStringLiteral("lehrkraft");
}

QString roleName(const QString &name, const QString &database) {
    return name + QLatin1Char('@') + database;
}

QString nameProblem(const QString &name, const QString &database) {
    static const QRegularExpression pattern(QStringLiteral("^[a-z0-9._-]+$"));
    if (name.isEmpty())
        return QStringLiteral("Der Name fehlt.");
    if (!pattern.match(name).hasMatch())
        return QStringLiteral("Der Name „%1“ darf nur Kleinbuchstaben (a–z), Ziffern, Punkt, "
                              "Unterstrich und Bindestrich enthalten.")
            .arg(name);
    if (name.startsWith(QLatin1String("zub_")))
        return QStringLiteral("Namen, die mit „zub_“ beginnen, sind dem Programm vorbehalten.");
    const int bytes = int(roleName(name, database).toUtf8().size());
    if (bytes > 63)
        return QStringLiteral("Der Name ist zu lang: „%1“ hätte %2 Byte, der Server erlaubt 63.")
            .arg(roleName(name, database))
            .arg(bytes);
    return {};
}

QString classProblem(const QString &className) {
    if (className.isEmpty())
        return QStringLiteral("Der Name der Klasse fehlt.");
    if (className.size() > 100)
        return QStringLiteral("Der Name der Klasse ist länger als 100 Zeichen.");
    for (const QChar c : className) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c.isSurrogate() || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return QStringLiteral("Der Name der Klasse enthält ein Steuerzeichen.");
    }
    return {};
}

QString randomPassword() {
    static const QLatin1String alphabet(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString password;
    for (int i = 0; i < 24; ++i)
        password += alphabet.at(int(QRandomGenerator::system()->bounded(int(alphabet.size()))));
    return password;
}

bool setMember(QSqlDatabase &db, Kind kind, const QString &name, const QStringList &classes,
               Member *member, QString *error) {
    QString database;
    if (!currentDatabase(db, &database, error))
        return false;
    *error = nameProblem(name, database);
    for (const QString &className : classes) {
        if (error->isEmpty())
            *error = classProblem(className);
    }
    if (error->isEmpty() && classes.isEmpty())
        *error = QStringLiteral("Mindestens eine Klasse angeben (--klasse).");
    if (!error->isEmpty())
        return false;
    member->role = roleName(name, database);
    member->password = randomPassword();
    if (!db.transaction()) {
        *error = QStringLiteral("Der Server nimmt keine Änderung an.");
        return false;
    }
    if (writeMember(db, kind, database, classes, member, error) && db.commit())
        return true;
    db.rollback();
    return false;
}

bool listClasses(QSqlDatabase &db, QList<ClassSummary> *classes, QString *error) {
    const QString text =
        QStringLiteral("SELECT c.name,"
                       " (SELECT string_agg(role_name, chr(10) ORDER BY role_name) FROM members m"
                       "  WHERE m.class = c.name AND m.kind = 'rechner'),"
                       " (SELECT string_agg(role_name, chr(10) ORDER BY role_name) FROM members m"
                       "  WHERE m.class = c.name AND m.kind = 'lehrkraft'),"
                       " (SELECT count(*) FROM children k WHERE k.class = c.name),"
                       " (SELECT count(*) FROM answers a JOIN children k ON k.id = a.child_id"
                       "  WHERE k.class = c.name)"
                       " FROM classes c ORDER BY c.name");
    QList<QVariantList> rows;
    if (!ServerSql::select(db, text, {}, &rows, error))
        return false;
    for (const QVariantList &row : rows) {
        ClassSummary summary;
        summary.name = row.at(0).toString();
        summary.computers = row.at(1).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        summary.teachers = row.at(2).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        summary.children = row.at(3).toLongLong();
        summary.answers = row.at(4).toLongLong();
        classes->append(summary);
    }
    return true;
}

bool address(QSqlDatabase &db, Address *address, QString *error) {
    QList<QVariantList> rows;
    if (!ServerSql::select(db,
                           QStringLiteral("SELECT current_database(), host(inet_server_addr()),"
                                          " coalesce(inet_server_port(),"
                                          " current_setting('port')::integer)"),
                           {}, &rows, error))
        return false;
    address->database = rows.first().at(0).toString();
    address->host = rows.first().at(1).toString();
    address->port = rows.first().at(2).toInt();
    return true;
}

} // namespace ServerAdmin
