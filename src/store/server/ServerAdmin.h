#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What the school's administrator does on the class server: login roles for
// classroom computers and teachers, and the list of classes. The connected
// role owns the database and may create roles (see ServerSchema::rights).
namespace ServerAdmin {

enum class Kind { Computer, Teacher };

// The word in the members table and on the command line: "rechner", "lehrkraft".
QString kindWord(Kind kind);

// The server's role for a computer or teacher of one database: NAME@DB.
QString roleName(const QString &name, const QString &database);

// Why a name or class cannot be used, in German; empty when it can.
QString nameProblem(const QString &name, const QString &database);
QString classProblem(const QString &className);

// A password from the system's random source: [A-Za-z0-9], 24 characters.
QString randomPassword();

struct Member {
    QString role;
    QString password;
    bool existed = false; // an existing role: new password, classes replaced
};

// Creates the login role with a new password, or gives an existing one of the
// same kind a new password; its classes become exactly these (made where
// missing). One transaction: on failure nothing changes. *error: German.
bool setMember(QSqlDatabase &db, Kind kind, const QString &name, const QStringList &classes,
               Member *member, QString *error);

struct ClassSummary {
    QString name;
    QStringList computers; // role names
    QStringList teachers;
    qint64 children = 0;
    qint64 answers = 0;
};

bool listClasses(QSqlDatabase &db, QList<ClassSummary> *classes, QString *error);

// Where the connection went: what a computer's service file needs.
struct Address {
    QString database;
    QString host; // empty over a Unix socket
    int port = 0;
};

bool address(QSqlDatabase &db, Address *address, QString *error);

} // namespace ServerAdmin
