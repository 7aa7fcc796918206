#include "Classroom.h"

#include "store/RecordStore.h"
#include "store/server/ServerSchema.h"

#include <QSqlError>
#include <QUuid>

namespace {

QString quoted(const QString &name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString literal(const QString &text) {
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

} // namespace

Classroom::Classroom(PrivatePostgres &server, const QString &database)
    : server_(server), database_(database) {}

bool Classroom::setUp(const QStringList &classes) {
    const QString owner = QStringLiteral("it-") + database_;
    if (!server_.createDatabase(database_, owner, QStringLiteral("geheim"))) {
        error_ = server_.error();
        return false;
    }
    server_.addService(owner, database_, owner, QStringLiteral("geheim")).apply();
    {
        QSqlDatabase db = server_.connectService(owner, owner);
        const ServerSchema::Result result = ServerSchema::setUp(db);
        if (result.outcome != ServerSchema::Outcome::Created)
            error_ = QStringLiteral("set-up: %1 %2").arg(result.error, db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(owner);
    if (!error_.isEmpty())
        return false;
    QStringList statements;
    for (const QString &c : classes)
        statements << QStringLiteral("INSERT INTO classes (name) VALUES (%1)").arg(literal(c));
    if (!server_.exec(statements, database_)) {
        error_ = server_.error();
        return false;
    }
    return true;
}

bool Classroom::addMember(const QString &name, const QString &kind, const QStringList &classes) {
    const QString role = name + QLatin1Char('@') + database_;
    const QString password = QStringLiteral("pw-") + name;
    const QString group = kind == QLatin1String("rechner") ? ServerSchema::computerGroup(database_)
                                                           : ServerSchema::teacherGroup(database_);
    QStringList statements{QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD %2 IN ROLE %3")
                               .arg(quoted(role), literal(password), quoted(group))};
    for (const QString &c : classes)
        statements << QStringLiteral("INSERT INTO members VALUES (%1, %2, %3)")
                          .arg(literal(role), literal(kind), literal(c));
    if (!server_.exec(statements, database_)) {
        error_ = server_.error();
        return false;
    }
    server_.addService(name, database_, role, password).apply();
    return true;
}

QString Classroom::addChild(const QString &className, const QString &name) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!server_.exec(QStringLiteral("INSERT INTO children VALUES (%1, %2, %3)")
                          .arg(literal(id), literal(className), literal(name)),
                      database_)) {
        error_ = server_.error();
        return {};
    }
    return id;
}

qint64 Classroom::count(const QString &query) {
    return server_.value(query, database_).toLongLong();
}

bool Classroom::record(RecordStore &store, const QString &childId, int count,
                       const QString &prefix) {
    for (int i = 0; i < count; ++i) {
        AnswerRecord a;
        a.child = QStringLiteral("Kind");
        a.childId = childId;
        a.exercise = QStringLiteral("Nachbarn");
        a.range = 1000;
        a.task = QStringLiteral("%1 %2").arg(prefix).arg(i);
        a.given = QString::number(i);
        a.right = i % 3 != 0;
        a.at = QDateTime::currentDateTime();
        a.millisecondsShown = 1500 + i;
        if (!store.add(a))
            return false;
    }
    return true;
}

SenderTiming Classroom::quickTiming() {
    SenderTiming timing;
    timing.firstRetryMs = 50;
    timing.longestRetryMs = 400;
    timing.periodMs = 60000;
    timing.nudgeDelayMs = 10;
    return timing;
}
