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
    // A task's time runs until its last try: the try the next answer of that
    // exercise does not continue.
    const QString statement = QStringLiteral(
        "SELECT child_id::text, exercise, count(*) FILTER (WHERE attempt <= 1), "
        "count(*) FILTER (WHERE attempt <= 1 AND is_right <> 0), "
        "coalesce(sum(shown_ms) FILTER (WHERE next_attempt IS NULL OR next_attempt <= 1), 0), "
        "max(at_ms) FROM (SELECT a.child_id, a.exercise, a.attempt, a.is_right, a.shown_ms, "
        "a.at_ms, lead(a.attempt) OVER (PARTITION BY a.child_id, a.exercise ORDER BY a.at_ms) "
        "AS next_attempt FROM %1) t GROUP BY child_id, exercise");
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
    const QString statement = QStringLiteral(
        "WITH wrong AS (SELECT a.child_id, a.exercise, a.number_range, a.task, a.given FROM %1 "
        "AND a.is_right = 0), "
        "top AS (SELECT exercise, number_range, task, count(DISTINCT child_id) AS children, "
        "count(*) AS n FROM wrong GROUP BY exercise, number_range, task "
        "ORDER BY children DESC, n DESC, task LIMIT ?) "
        "SELECT 0, exercise, number_range, task, '', children, n FROM top UNION ALL "
        "SELECT 1, w.exercise, w.number_range, w.task, w.given, count(DISTINCT w.child_id), "
        "count(*) FROM wrong w JOIN top t ON t.exercise = w.exercise AND "
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
    if (!exec(query, QStringLiteral("SELECT count(DISTINCT a.child_id) FROM %1").arg(classRows),
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
