#pragma once

#include <QSqlDatabase>
#include <QString>

// Everything that knows the database is SQLite: the driver, the file's
// header, write-ahead log, busy timeout and the schema version. The queries
// in RecordStore are plain SQL.
namespace RecordConnection {

enum class Outcome {
    Ready,   // open, schema current, writable
    Damaged, // not a database, or one SQLite cannot read
    Newer,   // a higher schema version than this program knows; opened read only
    Unwritable
};

// The schema version this program writes.
int schemaVersion();

// Opens (or creates) the file under the connection name and migrates it.
Outcome open(const QString &connection, const QString &path);

// Closes and forgets the connection.
void close(const QString &connection);

} // namespace RecordConnection
