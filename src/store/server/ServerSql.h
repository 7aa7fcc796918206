#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

// Small helpers for the server's SQL. Role and table names never reach a
// statement by concatenation: the server quotes them itself with format().
namespace ServerSql {

// The server's format(pattern, args...) (%I for identifiers, %L for
// literals), every argument bound as text. Empty on failure, with *error set.
QString format(QSqlDatabase &db, const QString &pattern, const QStringList &args, QString *error);

// Runs one statement unprepared (DDL cannot be prepared on PostgreSQL).
bool exec(QSqlDatabase &db, const QString &statement, QString *error);

// A prepared query with bound values; the rows of its columns, row by row.
bool select(QSqlDatabase &db, const QString &text, const QVariantList &values,
            QList<QVariantList> *rows, QString *error);

} // namespace ServerSql
