#pragma once

#include "ServerAdmin.h"
#include "ServerSchema.h"

#include <QSqlDatabase>
#include <QString>

// The administrator's connection to one school's database through a libpq
// service, open for the session's life: the tool asks it for what it needs
// and never holds the connection itself.
class AdminSession {
public:
    explicit AdminSession(const QString &service);
    ~AdminSession();
    AdminSession(const AdminSession &) = delete;
    AdminSession &operator=(const AdminSession &) = delete;

    // German, empty when the connection is open.
    QString problem() const { return problem_; }

    ServerSchema::Rights rights(QString *error) { return ServerSchema::rights(db_, error); }
    int serverVersion(QString *error) { return ServerSchema::serverVersion(db_, error); }
    ServerSchema::Result setUp() { return ServerSchema::setUp(db_); }
    bool address(ServerAdmin::Address *address, QString *error) {
        return ServerAdmin::address(db_, address, error);
    }
    bool setMember(ServerAdmin::Kind kind, const QString &name, const QStringList &classes,
                   ServerAdmin::Member *member, QString *error) {
        return ServerAdmin::setMember(db_, kind, name, classes, member, error);
    }
    bool listClasses(QList<ServerAdmin::ClassSummary> *classes, QString *error) {
        return ServerAdmin::listClasses(db_, classes, error);
    }

private:
    QSqlDatabase db_;
    QString problem_;
};
