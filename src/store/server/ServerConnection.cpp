#include "ServerConnection.h"

#include "ServerSchema.h"

#include <QRegularExpression>
#include <QSqlError>

namespace ServerConnection {

namespace {

// libpq's words (English, or German where its translations are installed).
QString describe(const QString &service, const QString &text) {
    const QString lower = text.toLower();
    const auto has = [&lower](const char *words) { return lower.contains(QLatin1String(words)); };
    if (has("definition of service") || has("definition von dienst") ||
        (has("service file") && has("not found")))
        return QStringLiteral("Den Dienst „%1“ gibt es in keiner Dienstdatei "
                              "(~/.pg_service.conf, PGSERVICEFILE oder die des Systems).")
            .arg(service);
    if (has("password authentication failed") || has("passwort-authentifizierung") ||
        has("no password supplied") || has("kein passwort angegeben"))
        return QStringLiteral(
            "Der Server hat die Anmeldung abgelehnt: falsches oder fehlendes "
            "Passwort (Passwortdatei ~/.pgpass mit Rechten 0600 oder PGPASSFILE).");
    if (has("does not exist") || has("existiert nicht"))
        return QStringLiteral("Der Server kennt die Rolle oder die Datenbank des Dienstes „%1“ "
                              "nicht: %2")
            .arg(service, text.simplified());
    if (has("permission denied") || has("keine berechtigung") || has("no pg_hba.conf entry") ||
        has("kein pg_hba.conf-eintrag"))
        return QStringLiteral("Der Server lässt diese Rolle nicht herein: %1")
            .arg(text.simplified());
    return QStringLiteral("Keine Verbindung zum Klassenserver (Dienst „%1“): %2")
        .arg(service, text.simplified());
}

} // namespace

bool isValidService(const QString &service) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9._-]{1,200}$"));
    return pattern.match(service).hasMatch();
}

Opened open(const QString &connectionName, const QString &service) {
    Opened opened;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        opened.problem = QStringLiteral("Qt findet seinen PostgreSQL-Treiber nicht "
                                        "(Debian-Paket libqt6sql6-psql).");
        return opened;
    }
    if (!isValidService(service)) {
        opened.problem = QStringLiteral("„%1“ ist kein gültiger Dienstname (erlaubt sind "
                                        "Buchstaben, Ziffern, Punkt, Unterstrich und Bindestrich).")
                             .arg(service);
        return opened;
    }
    opened.db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    opened.db.setConnectOptions(ServerSchema::connectOptions(service));
    if (!opened.db.open())
        opened.problem = describe(service, opened.db.lastError().databaseText().isEmpty()
                                               ? opened.db.lastError().text()
                                               : opened.db.lastError().databaseText());
    return opened;
}

void close(const QString &connectionName) {
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace ServerConnection
