// The class server's children, answers and keeping periods for a teacher.
#include "ClassQueries.h"

#include "core/record/Retention.h"
#include "store/QueryHelpers.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <functional>

namespace ClassQueries {

namespace {

using QueryHelpers::exec;

constexpr int longestText = 1000; // the server's VARCHAR(1000)

qint64 milliseconds(const QDateTime &at) {
    return at.isValid() ? at.toMSecsSinceEpoch() : 0;
}

// Statements in one transaction; rolled back when one fails. `check` sees
// each statement's query once it ran and may refuse the outcome.
bool inTransaction(QSqlDatabase &db, const QList<QPair<QString, QVariantList>> &statements,
                   const std::function<bool(int, QSqlQuery &)> &check = {}) {
    if (!db.isOpen() || !db.transaction())
        return false;
    bool ok = true;
    {
        QSqlQuery query(db);
        for (int i = 0; ok && i < statements.size(); ++i)
            ok = exec(query, statements[i].first, statements[i].second) &&
                 (!check || check(i, query));
    }
    if (ok && db.commit())
        return true;
    db.rollback();
    return false;
}

// The answers a query gives in the columns child name, exercise, range,
// task, given, right, try, at_ms, shown_ms.
QList<AnswerRecord> readAnswers(QSqlQuery &query) {
    QList<AnswerRecord> list;
    QueryHelpers::LocalTimes times;
    while (query.next()) {
        AnswerRecord answer;
        answer.child = query.value(0).toString();
        answer.exercise = query.value(1).toString();
        answer.range = query.value(2).toInt();
        answer.task = query.value(3).toString();
        answer.given = query.value(4).toString();
        answer.right = query.value(5).toInt() != 0;
        answer.attempt = query.value(6).toInt();
        answer.at = times.at(query.value(7).toLongLong());
        answer.millisecondsShown = query.value(8).toLongLong();
        list.append(answer);
    }
    return list;
}

const QString answerColumns =
    QStringLiteral("a.exercise, a.number_range, a.task, a.given, a.is_right, a.attempt, "
                   "a.at_ms, a.shown_ms");

} // namespace

std::optional<QStringList> teacherClasses(QSqlDatabase &db) {
    QSqlQuery query(db);
    if (!exec(query,
              QStringLiteral("SELECT class FROM members WHERE role_name = current_user "
                             "AND kind = 'lehrkraft' ORDER BY class"),
              {}))
        return std::nullopt;
    QStringList classes;
    while (query.next())
        classes << query.value(0).toString();
    return classes;
}

std::optional<QList<ServerChild>> children(QSqlDatabase &db) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(query,
              QStringLiteral("SELECT id::text, name, class FROM children ORDER BY class, name"),
              {}))
        return std::nullopt;
    QList<ServerChild> list;
    while (query.next())
        list.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    return list;
}

std::optional<QString> addChild(QSqlDatabase &db, const QString &className, const QString &name) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlQuery query(db);
    if (!exec(query, QStringLiteral("INSERT INTO children (id, class, name) VALUES (?, ?, ?)"),
              {id, className, name.left(longestText)}))
        return std::nullopt;
    return id;
}

bool renameChild(QSqlDatabase &db, const QString &id, const QString &name) {
    QSqlQuery query(db);
    return exec(query, QStringLiteral("UPDATE children SET name = ? WHERE id = ?"),
                {name.left(longestText), id}) &&
           query.numRowsAffected() == 1;
}

bool removeAnswers(QSqlDatabase &db, const QString &id) {
    return inTransaction(db, {{QStringLiteral("DELETE FROM events WHERE child_id = ?"), {id}},
                              {QStringLiteral("DELETE FROM answers WHERE child_id = ?"), {id}}});
}

bool removeChild(QSqlDatabase &db, const QString &id) {
    return inTransaction(
        db,
        {{QStringLiteral("DELETE FROM events WHERE child_id = ?"), {id}},
         {QStringLiteral("DELETE FROM answers WHERE child_id = ?"), {id}},
         {QStringLiteral("DELETE FROM children WHERE id = ?"), {id}}},
        // A child the role may not see is not deleted: say so.
        [](int i, QSqlQuery &query) { return i < 2 || query.numRowsAffected() == 1; });
}

std::optional<QList<AnswerRecord>> childAnswers(QSqlDatabase &db, const QString &id,
                                                const QString &name, const QDateTime &from) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(query,
              QStringLiteral("SELECT ?, %1 FROM answers a WHERE a.child_id = ? AND a.at_ms >= ? "
                             "ORDER BY a.at_ms")
                  .arg(answerColumns),
              {name, id, milliseconds(from)}))
        return std::nullopt;
    return readAnswers(query);
}

std::optional<QList<AnswerRecord>> classAnswers(QSqlDatabase &db, const QString &className,
                                                const QDateTime &from) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(
            query,
            QStringLiteral("SELECT c.name, %1 FROM answers a JOIN children c ON c.id = a.child_id "
                           "WHERE c.class = ? AND a.at_ms >= ? ORDER BY c.name, c.id, a.at_ms")
                .arg(answerColumns),
            {className, milliseconds(from)}))
        return std::nullopt;
    return readAnswers(query);
}

std::optional<Keeping> keeping(QSqlDatabase &db, const QString &className) {
    QSqlQuery query(db);
    if (!exec(
            query,
            QStringLiteral("SELECT keep_months, (extract(epoch FROM last_cleanup) * 1000)::bigint "
                           "FROM classes WHERE name = ?"),
            {className}) ||
        !query.next())
        return std::nullopt;
    Keeping result;
    result.months = query.value(0).toInt();
    if (!query.value(1).isNull())
        result.lastCleanup = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong());
    return result;
}

bool setKeepMonths(QSqlDatabase &db, const QString &className, int months) {
    QSqlQuery query(db);
    return exec(query, QStringLiteral("UPDATE classes SET keep_months = ? WHERE name = ?"),
                {Retention::months(months), className}) &&
           query.numRowsAffected() == 1;
}

std::optional<int> cleanUp(QSqlDatabase &db, const QString &className, const QDateTime &now) {
    if (!db.isOpen() || !db.transaction())
        return std::nullopt;
    QSqlQuery query(db);
    // Locked, so two teachers' programs starting together delete once.
    bool ok = exec(query,
                   QStringLiteral("SELECT keep_months, (extract(epoch FROM last_cleanup) * "
                                  "1000)::bigint FROM classes WHERE name = ? FOR UPDATE"),
                   {className}) &&
              query.next();
    int deleted = 0;
    if (ok) {
        const int months = query.value(0).toInt();
        const QDateTime last = query.value(1).isNull()
                                   ? QDateTime()
                                   : QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong());
        if (Retention::due(last, now)) {
            const qint64 cutoff = Retention::cutoff(now, months).toMSecsSinceEpoch();
            const QString mine =
                QStringLiteral("child_id IN (SELECT id FROM children WHERE class = ?)");
            ok = exec(query, QStringLiteral("DELETE FROM answers WHERE at_ms < ? AND ") + mine,
                      {cutoff, className});
            deleted = ok ? query.numRowsAffected() : 0;
            ok = ok &&
                 exec(query, QStringLiteral("DELETE FROM events WHERE at_ms < ? AND ") + mine,
                      {cutoff, className}) &&
                 exec(query,
                      QStringLiteral("UPDATE classes SET last_cleanup = to_timestamp(? / 1000.0) "
                                     "WHERE name = ?"),
                      {milliseconds(now), className});
        }
    }
    query.finish();
    if (ok && db.commit())
        return deleted;
    db.rollback();
    return std::nullopt;
}

} // namespace ClassQueries
