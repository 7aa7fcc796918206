#pragma once

#include "PrivatePostgres.h"
#include "store/ClassServerStatus.h"

#include <QString>
#include <QStringList>

class ClassServer;
class RecordStore;

// A school's database on a private PostgreSQL server, set up as the school's
// tool would: the schema, classes, classroom computers with their services
// and passwords, children. Counts rows as the administrator.
class Classroom {
public:
    explicit Classroom(PrivatePostgres &server, const QString &database = QStringLiteral("schule"));

    // The database with its owner and the schema; false with error() set.
    bool setUp(const QStringList &classes);
    QString error() const { return error_; }
    QString database() const { return database_; }

    // A login role NAME@database, its rows in members, and a service named NAME.
    bool addMember(const QString &name, const QString &kind, const QStringList &classes);
    // The new child's id.
    QString addChild(const QString &className, const QString &name);

    // One value as the administrator, e.g. "SELECT count(*) FROM answers".
    qint64 count(const QString &query);

    // Answers for a child, written by the program's own store; their tasks
    // are "<prefix> <n>".
    static bool record(RecordStore &store, const QString &childId, int count,
                       const QString &prefix = QStringLiteral("Aufgabe"));

    // Fast retries, so that fault tests do not wait minutes.
    static SenderTiming quickTiming();

private:
    PrivatePostgres &server_;
    QString database_;
    QString error_;
};
