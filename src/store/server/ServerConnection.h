#pragma once

#include <QSqlDatabase>
#include <QString>

// Opens a QPSQL connection through a libpq service (host, port, database,
// user and TLS from the service file, the password from the password file),
// with bounded waits, and puts its failures into German words.
namespace ServerConnection {

// Service names are passed inside libpq's connection string: letters,
// digits, '.', '_' and '-' only, so a name cannot add other options.
bool isValidService(const QString &service);

struct Opened {
    QSqlDatabase db; // open on success
    QString problem; // German, empty on success
};

// Adds a connection under this name and opens it.
Opened open(const QString &connectionName, const QString &service);

// Closes the connection and forgets the name.
void close(const QString &connectionName);

} // namespace ServerConnection
