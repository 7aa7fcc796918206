// The class's figures, grouped by the server: a class of 30 with years of
// answers sends back a few hundred rows, not a million.
#include "ClassQueries.h"

#include "store/QueryHelpers.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace ClassQueries {

namespace {

using QueryHelpers::exec;

// The class's answers of the period, as the inner part of every figure.
const QString classRows = QStringLiteral(
    "answers a JOIN children c ON c.id = a.child_id WHERE c.class = ? AND a.at_ms >= ?");

QVariantList classAndFrom(const QString &className, const QDateTime &from) {
    return {className, from.isValid() ? from.toMSecsSinceEpoch() : qint64(0)};
}

} // namespace

std::optional<QList<ClassCell>> classCells(QSqlDatabase &db, const QString &className,
                                           const QDateTime &from) {
    // Each answer carries the time it added to its task: a plain sum.
    const QString statement = QStringLiteral(
        "SELECT a.child_id::text, a.exercise, count(*) FILTER (WHERE a.attempt <= 1), "
        "count(*) FILTER (WHERE a.attempt <= 1 AND a.is_right <> 0), sum(a.added_ms), "
        "max(a.at_ms) FROM %1 GROUP BY a.child_id, a.exercise");
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(query, statement.arg(classRows), classAndFrom(className, from)))
        return std::nullopt;
    QList<ClassCell> cells;
    while (query.next())
        cells.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(),
                      query.value(3).toInt(), query.value(4).toLongLong(),
                      query.value(5).toLongLong()});
    return cells;
}

std::optional<MistakeCounts> classMistakes(QSqlDatabase &db, const QString &className,
                                           const QDateTime &from, int limit) {
    // Wrong answers are grouped per child first: counting children is then a
    // count of rows, not a second sort of every wrong answer.
    const QString statement = QStringLiteral(
        "WITH wrong AS (SELECT a.child_id, a.exercise, a.number_range, a.task, a.given, "
        "count(*) AS n FROM %1 AND a.is_right = 0 GROUP BY a.child_id, a.exercise, "
        "a.number_range, a.task, a.given), "
        "top AS (SELECT exercise, number_range, task, count(DISTINCT child_id) AS children, "
        "sum(n) AS n FROM wrong GROUP BY exercise, number_range, task "
        "ORDER BY children DESC, n DESC, task LIMIT ?) "
        "SELECT 0, exercise, number_range, task, '', children, n FROM top UNION ALL "
        "SELECT 1, w.exercise, w.number_range, w.task, w.given, count(*), sum(w.n) "
        "FROM wrong w JOIN top t ON t.exercise = w.exercise AND "
        "t.number_range = w.number_range AND t.task = w.task "
        "GROUP BY w.exercise, w.number_range, w.task, w.given");
    QVariantList values = classAndFrom(className, from);
    values << limit;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(query, statement.arg(classRows), values))
        return std::nullopt;
    MistakeCounts counts;
    while (query.next()) {
        const WrongGiven row{query.value(1).toString(), query.value(2).toInt(),
                             query.value(3).toString(), query.value(4).toString(),
                             query.value(5).toInt(),    query.value(6).toInt()};
        (query.value(0).toInt() == 0 ? counts.taskTotals : counts.givens).append(row);
    }
    // One look into each child's answers by the index, not a scan of them all.
    if (!exec(query,
              QStringLiteral("SELECT count(*) FROM children c WHERE c.class = ? AND EXISTS "
                             "(SELECT 1 FROM answers a WHERE a.child_id = c.id AND a.at_ms >= ?)"),
              classAndFrom(className, from)) ||
        !query.next())
        return std::nullopt;
    counts.childrenPractised = query.value(0).toInt();
    return counts;
}

std::optional<QHash<QString, QList<PractisedSpot>>>
practisedSpots(QSqlDatabase &db, const QString &className, const QDateTime &from) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(query,
              QStringLiteral("SELECT a.child_id::text, a.exercise, a.number_range, "
                             "count(*) FILTER (WHERE a.attempt <= 1), "
                             "count(*) FILTER (WHERE a.is_right = 0) FROM %1 "
                             "GROUP BY a.child_id, a.exercise, a.number_range")
                  .arg(classRows),
              classAndFrom(className, from)))
        return std::nullopt;
    QHash<QString, QList<PractisedSpot>> spots;
    while (query.next())
        spots[query.value(0).toString()].append({query.value(1).toString(), query.value(2).toInt(),
                                                 query.value(3).toInt(), query.value(4).toInt()});
    return spots;
}

} // namespace ClassQueries
