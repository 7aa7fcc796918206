#include "ServerConnection.h"

#include <QSqlDatabase>

namespace ServerConnection {

namespace {

// connect_timeout bounds a connection attempt to a host that drops packets
// (133 s otherwise), tcp_user_timeout and the keepalives a connection that
// dies mid-query (about 15 min otherwise).
const QString timeouts =
    QStringLiteral("connect_timeout=3;tcp_user_timeout=5000;keepalives=1;keepalives_idle=5;"
                   "keepalives_interval=2;keepalives_count=2");

bool says(const QString &text, std::initializer_list<const char *> phrases) {
    for (const char *phrase : phrases)
        if (text.contains(QLatin1String(phrase), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

QSqlDatabase open(const QString &connection, const QString &service) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    // A service name is one word; anything else would become further options.
    QString name = service;
    name.remove(QLatin1Char(';')).remove(QLatin1Char('=')).remove(QLatin1Char(' '));
    db.setConnectOptions(QStringLiteral("service=%1;%2").arg(name, timeouts));
    db.open();
    return db;
}

void close(const QString &connection) {
    if (!QSqlDatabase::contains(connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

bool isRowFault(const QSqlError &error) {
    const QString state = error.nativeErrorCode();
    if (state.startsWith(QLatin1String("22")) || state.startsWith(QLatin1String("23")))
        return true;
    // Row-level security rejects the one row; a missing grant would reject
    // every row and is the server's set-up, not the row's fault.
    return state == QLatin1String("42501") &&
           !says(error.databaseText(), {"permission denied", "keine Berechtigung"});
}

Problem describe(const QSqlError &error, const QString &service) {
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    if (error.nativeErrorCode() == QLatin1String("42P01"))
        return {true, QStringLiteral("Auf dem Klassenserver fehlen die Tabellen des Programms. "
                                     "Bitte „zubzahlen-klassenserver einrichten“ ausführen.")};
    if (says(text, {"definition of service", "service file"}))
        return {true,
                QStringLiteral("Der Dienst „%1“ steht in keiner Dienstdatei (~/.pg_service.conf "
                               "oder PGSERVICEFILE). Bitte die Einrichtung des Rechners prüfen.")
                    .arg(service)};
    if (says(text, {"password authentication failed", "Passwort-Authentifizierung"}))
        return {true, QStringLiteral("Der Klassenserver hat das Passwort dieses Rechners nicht "
                                     "angenommen. Bitte die Passwortdatei (~/.pgpass) prüfen.")};
    if (says(text, {"no password supplied", "kein Passwort"}))
        return {true, QStringLiteral("Für den Klassenserver ist kein Passwort hinterlegt: Die "
                                     "Passwortdatei (~/.pgpass) fehlt oder ist für andere "
                                     "lesbar.")};
    if (says(text, {"permission denied for database", "pg_hba.conf", "does not exist",
                    "existiert nicht", "Berechtigung"}) ||
        error.nativeErrorCode() == QLatin1String("42501"))
        return {true, QStringLiteral("Der Klassenserver weist diese Anmeldung ab. Bitte den "
                                     "Rechner mit „zubzahlen-klassenserver“ eintragen lassen.")};
    if (says(text, {"could not connect", "connection refused", "timeout expired",
                    "could not translate host", "server closed the connection",
                    "terminating connection", "no connection", "Verbindung"}) ||
        error.nativeErrorCode().isEmpty() ||
        error.nativeErrorCode().startsWith(QLatin1String("08")) ||
        error.nativeErrorCode().startsWith(QLatin1String("57")))
        return {false, QStringLiteral("Der Klassenserver ist nicht erreichbar. Die Antworten "
                                      "warten auf diesem Rechner und werden später gesendet.")};
    return {false,
            QStringLiteral("Der Klassenserver meldet: %1").arg(error.databaseText().trimmed())};
}

} // namespace ServerConnection
