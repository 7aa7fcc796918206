#include "ServerSql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ServerSql {

namespace {

QString describe(const QSqlError &error) {
    // The driver's text starts with the severity and ends with the SQLSTATE
    // in brackets on its own line; one line reads better in a message.
    QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    text = text.simplified();
    for (const QString &severity :
         {QStringLiteral("ERROR:"), QStringLiteral("FATAL:"), QStringLiteral("FEHLER:")}) {
        if (text.startsWith(severity))
            text = text.mid(severity.size()).trimmed();
    }
    return text;
}

} // namespace

QString format(QSqlDatabase &db, const QString &pattern, const QStringList &args, QString *error) {
    QString call = QStringLiteral("SELECT format(?::text");
    QVariantList values{pattern};
    for (const QString &arg : args) {
        call += QStringLiteral(", ?::text");
        values << arg;
    }
    call += QLatin1Char(')');
    QList<QVariantList> rows;
    if (!select(db, call, values, &rows, error) || rows.isEmpty())
        return {};
    return rows.first().first().toString();
}

bool exec(QSqlDatabase &db, const QString &statement, QString *error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    *error = describe(query.lastError());
    return false;
}

bool select(QSqlDatabase &db, const QString &text, const QVariantList &values,
            QList<QVariantList> *rows, QString *error) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(text)) {
        *error = describe(query.lastError());
        return false;
    }
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        *error = describe(query.lastError());
        return false;
    }
    while (rows && query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        rows->append(row);
    }
    return true;
}

} // namespace ServerSql
