#include "LocalQueue.h"

#include "RecordConnection.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

// queue_state: 0 waiting, 1 sent, 2 set aside.
constexpr int waitingState = 0;
constexpr int sentState = 1;
constexpr int setAsideState = 2;

const QString waitingCondition = QStringLiteral("queue_state = 0 AND child_id IS NOT NULL");

} // namespace

LocalQueue::LocalQueue(const QString &path)
    : path_(path), connection_(QStringLiteral("warteschlange-%1").arg(quintptr(this), 0, 16)) {}

LocalQueue::~LocalQueue() {
    close();
}

QString LocalQueue::tableName(Table table) {
    return table == Table::Answers ? QStringLiteral("answers") : QStringLiteral("events");
}

QString LocalQueue::columns(Table table) {
    return table == Table::Answers
               ? QStringLiteral("id, child_id, exercise, number_range, task, given, is_right, "
                                "attempt, at_ms, shown_ms")
               : QStringLiteral("id, child_id, kind, detail, at_ms");
}

bool LocalQueue::open() {
    close();
    return RecordConnection::open(connection_, path_) == RecordConnection::Outcome::Ready;
}

void LocalQueue::close() {
    RecordConnection::close(connection_);
}

QList<LocalQueue::Row> LocalQueue::waiting(Table table, int limit) const {
    QList<Row> rows;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid LIMIT ?")
                           .arg(columns(table), tableName(table), waitingCondition)))
        return rows;
    query.addBindValue(limit);
    if (!query.exec())
        return rows;
    const int n = query.record().count();
    while (query.next()) {
        Row row{table, {}};
        for (int i = 0; i < n; ++i)
            row.values << query.value(i);
        rows << row;
    }
    return rows;
}

qint64 LocalQueue::waitingCount() const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("SELECT (SELECT count(*) FROM answers WHERE %1) + "
                                   "(SELECT count(*) FROM events WHERE %1)")
                        .arg(waitingCondition)) ||
        !query.next())
        return -1;
    return query.value(0).toLongLong();
}

namespace {

// One short transaction; the program's own store waits on it at most that long.
template <class Body> bool inTransaction(const QString &connection, Body body) {
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isOpen() || !db.transaction())
        return false;
    bool ok = false;
    {
        QSqlQuery query(db);
        ok = body(query);
    }
    if (ok && db.commit())
        return true;
    db.rollback();
    return false;
}

} // namespace

bool LocalQueue::markSent(Table table, const QStringList &ids) {
    return inTransaction(connection_, [&](QSqlQuery &query) {
        if (!query.prepare(QStringLiteral("UPDATE %1 SET queue_state = %2 WHERE id = ?")
                               .arg(tableName(table))
                               .arg(sentState)))
            return false;
        for (const QString &id : ids) {
            query.addBindValue(id);
            if (!query.exec())
                return false;
        }
        return true;
    });
}

bool LocalQueue::setAside(Table table, const QString &id, const QString &reason) {
    return inTransaction(connection_, [&](QSqlQuery &query) {
        if (!query.prepare(QStringLiteral("UPDATE %1 SET queue_state = %2, set_aside_reason = ? "
                                          "WHERE id = ? AND queue_state = %3")
                               .arg(tableName(table))
                               .arg(setAsideState)
                               .arg(waitingState)))
            return false;
        query.addBindValue(reason.left(1000));
        query.addBindValue(id);
        return query.exec();
    });
}

bool LocalQueue::replaceRoster(const QList<RosterChild> &children) {
    return inTransaction(connection_, [&](QSqlQuery &query) {
        if (!query.exec(QStringLiteral("DELETE FROM server_children")) ||
            !query.prepare(
                QStringLiteral("INSERT INTO server_children (id, class, name) VALUES (?, ?, ?)")))
            return false;
        for (const RosterChild &child : children) {
            query.addBindValue(child.id);
            query.addBindValue(child.className);
            query.addBindValue(child.name);
            if (!query.exec())
                return false;
        }
        return true;
    });
}
