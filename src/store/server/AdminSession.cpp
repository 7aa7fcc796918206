#include "AdminSession.h"

#include "ServerConnection.h"

namespace {
const QString connectionName = QStringLiteral("zubzahlen-klassenserver");
}

AdminSession::AdminSession(const QString &service) {
    ServerConnection::Opened opened = ServerConnection::open(connectionName, service);
    db_ = opened.db;
    problem_ = opened.problem;
}

AdminSession::~AdminSession() {
    db_ = QSqlDatabase();
    ServerConnection::close(connectionName);
}
