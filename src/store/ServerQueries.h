#pragma once

#include "LocalQueue.h"
#include "core/record/AnswerRecord.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>

// The class server's SQL for a classroom computer and a teacher's program.
namespace ServerQueries {

// The server's schema version this program knows.
constexpr int knownSchemaVersion = 1;

struct Identity {
    enum class Kind { None, Computer, Teacher };
    Kind kind = Kind::None;
    QStringList classes;
    int schemaVersion = 0;
    QSqlError error; // set when the server could not be asked
};

// Who this login is on the server: its kind and classes and the schema's version.
Identity identify(QSqlDatabase &db);

// The children of this login's classes, by class and name; false on error.
bool readRoster(QSqlDatabase &db, QList<RosterChild> *children, QSqlError *error);

struct BatchResult {
    QStringList sent;                     // committed on the server (or already there)
    QList<QPair<QString, QString>> aside; // id and reason: rows the server rejects
    QSqlError error;                      // set when the batch's outcome is unknown
    bool complete() const { return !error.isValid(); }
};

// One transaction for rows of one table, inserted so that rows already on
// the server are skipped. A row the server rejects is found by trying the
// rows one by one and is reported aside; the others are committed.
BatchResult send(QSqlDatabase &db, LocalQueue::Table table, const QList<LocalQueue::Row> &rows);

} // namespace ServerQueries
