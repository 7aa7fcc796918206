#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// The connection to the class server: a PostgreSQL service named in the
// settings; host, database, user and TLS come from libpq's service file, the
// password from its password file. Used on the sender's thread only.
namespace ServerConnection {

// Opens under the connection name with bounded waits, so that a dead network
// costs seconds, not minutes. The result may be closed: see lastError().
QSqlDatabase open(const QString &connection, const QString &service);
void close(const QString &connection);

// A statement's error that concerns its row alone (a value the server does
// not accept, a child unknown there or not of this computer's classes): the
// row is set aside, the rest goes on.
bool isRowFault(const QSqlError &error);

// What a failure means, in German, for the Lernstand view; refused: the
// server or libpq's files turn this login away (trying again will not help
// until someone changes them).
struct Problem {
    bool refused = false;
    QString text;
};
Problem describe(const QSqlError &error, const QString &service);

} // namespace ServerConnection
