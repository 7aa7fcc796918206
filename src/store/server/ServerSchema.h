#pragma once

#include <QSqlDatabase>
#include <QString>

// The class server's tables, group roles, grants and row-level security in
// one PostgreSQL database. Who may do what is decided here, by the server.
namespace ServerSchema {

// The schema version this program writes and understands.
int version();

// The group roles of one database; role names are the server's, shared by
// all its databases, so each carries the database's name.
QString computerGroup(const QString &database);
QString teacherGroup(const QString &database);
// Longest database name whose group role names still fit 63 bytes.
int maxDatabaseNameBytes();

// Connect options for a QPSQL connection through a libpq service: bounded
// waits for the connection and for a network that goes dead mid-query.
QString connectOptions(const QString &service);

enum class Outcome {
    Created,      // tables, roles and rules made or brought up to date now
    Unchanged,    // already current: nothing touched
    Newer,        // the server knows a newer version: nothing touched
    NotOwner,     // the connected role neither owns the database nor is superuser
    NoCreateRole, // the owner may not create roles (CREATEROLE)
    Failed
};

struct Result {
    Outcome outcome = Outcome::Failed;
    int serverVersion = 0; // before the call; 0 where no schema was there
    QString error;         // the server's words where it refused
};

// Creates or upgrades the schema in one transaction, as the database's owner.
// An older target builds an earlier version, to try its upgrade.
Result setUp(QSqlDatabase &db, int target = version());

// The version in zub_schema; 0 where there is none; -1 on error (with *error).
int serverVersion(QSqlDatabase &db, QString *error);

// Whether the connected role owns the current database (or is superuser),
// and whether it may create roles.
struct Rights {
    bool owner = false;
    bool createRole = false;
};
Rights rights(QSqlDatabase &db, QString *error);

} // namespace ServerSchema
