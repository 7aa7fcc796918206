#include "ServerQueries.h"

#include "ServerConnection.h"

#include <QSqlQuery>
#include <QVariant>

namespace ServerQueries {

namespace {

// Rows per INSERT statement: one round trip for many rows.
constexpr int rowsPerStatement = 100;

QString insertText(LocalQueue::Table table, int rows) {
    const QString columns = LocalQueue::columns(table);
    const int n = int(columns.count(QLatin1Char(','))) + 1;
    QStringList marks(n, QStringLiteral("?"));
    const QString one = QLatin1Char('(') + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
    QStringList all(rows, one);
    // No conflict target: the computer's role may insert but not read, and
    // a target would need SELECT on its columns.
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3 ON CONFLICT DO NOTHING")
        .arg(LocalQueue::tableName(table), columns, all.join(QStringLiteral(", ")));
}

bool insert(QSqlDatabase &db, LocalQueue::Table table, const QList<LocalQueue::Row> &rows,
            QSqlError *error) {
    for (qsizetype start = 0; start < rows.size(); start += rowsPerStatement) {
        const int count = int(qMin<qsizetype>(rowsPerStatement, rows.size() - start));
        QSqlQuery query(db);
        if (!query.prepare(insertText(table, count))) {
            *error = query.lastError();
            return false;
        }
        for (int i = 0; i < count; ++i)
            for (const QVariant &value : rows.at(start + i).values)
                query.addBindValue(value);
        if (!query.exec()) {
            *error = query.lastError();
            return false;
        }
    }
    return true;
}

bool run(QSqlDatabase &db, const QString &statement, QSqlError *error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    *error = query.lastError();
    return false;
}

QSqlError unknownOutcome(QSqlDatabase &db) {
    QSqlError error = db.lastError();
    db.rollback();
    return error.isValid()
               ? error
               : QSqlError(QString(), QStringLiteral("no connection"), QSqlError::ConnectionError);
}

// The batch again, row by row behind savepoints: the rejected rows are
// rolled back alone and the rest is committed.
BatchResult rowByRow(QSqlDatabase &db, LocalQueue::Table table,
                     const QList<LocalQueue::Row> &rows) {
    BatchResult result;
    if (!db.transaction()) {
        result.error = unknownOutcome(db);
        return result;
    }
    QStringList sent;
    for (const LocalQueue::Row &row : rows) {
        QSqlError error;
        if (!run(db, QStringLiteral("SAVEPOINT one_row"), &error)) {
            result.error = error;
            db.rollback();
            return result;
        }
        if (insert(db, table, {row}, &error)) {
            sent << row.id();
            continue;
        }
        QSqlError ignored;
        if (!ServerConnection::isRowFault(error) ||
            !run(db, QStringLiteral("ROLLBACK TO SAVEPOINT one_row"), &ignored)) {
            result.error = error;
            db.rollback();
            return result;
        }
        result.aside.append({row.id(), error.databaseText().trimmed()});
    }
    if (!db.commit()) {
        result.error = unknownOutcome(db);
        result.aside.clear();
        return result;
    }
    result.sent = sent;
    return result;
}

} // namespace

Identity identify(QSqlDatabase &db) {
    Identity who;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT version FROM zub_schema")) || !query.next()) {
        who.error = query.lastError();
        return who;
    }
    who.schemaVersion = query.value(0).toInt();
    if (!query.exec(QStringLiteral("SELECT kind, class FROM members "
                                   "WHERE role_name = current_user ORDER BY class"))) {
        who.error = query.lastError();
        return who;
    }
    while (query.next()) {
        const QString kind = query.value(0).toString();
        if (kind == QLatin1String("rechner") && who.kind != Identity::Kind::Teacher)
            who.kind = Identity::Kind::Computer;
        else if (kind == QLatin1String("lehrkraft"))
            who.kind = Identity::Kind::Teacher;
        who.classes << query.value(1).toString();
    }
    return who;
}

bool readRoster(QSqlDatabase &db, QList<RosterChild> *children, QSqlError *error) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT id::text, class, name FROM children ORDER BY class, name"))) {
        *error = query.lastError();
        return false;
    }
    children->clear();
    while (query.next())
        children->append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    return true;
}

BatchResult send(QSqlDatabase &db, LocalQueue::Table table, const QList<LocalQueue::Row> &rows) {
    BatchResult result;
    if (!db.transaction()) {
        result.error = unknownOutcome(db);
        return result;
    }
    QSqlError error;
    if (!insert(db, table, rows, &error)) {
        db.rollback();
        if (ServerConnection::isRowFault(error))
            return rowByRow(db, table, rows);
        result.error = error;
        return result;
    }
    // A commit that fails may still have happened: the rows stay waiting
    // and go again, where the server skips what it already has.
    if (!db.commit()) {
        result.error = unknownOutcome(db);
        return result;
    }
    for (const LocalQueue::Row &row : rows)
        result.sent << row.id();
    return result;
}

} // namespace ServerQueries
