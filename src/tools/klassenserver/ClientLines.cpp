#include "ClientLines.h"

namespace {

// In the password file ':' and '\' inside a field are escaped by a backslash.
QString passField(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char(':'), QStringLiteral("\\:"));
    return text;
}

} // namespace

QString clientLines(const ClientAccount &a) {
    return QStringLiteral(
               "# In die Dienstdatei des Rechners: ~/.pg_service.conf (für alle Benutzer:\n"
               "# /etc/postgresql-common/pg_service.conf).\n"
               "[%1]\n"
               "host=%2\n"
               "port=%3\n"
               "dbname=%4\n"
               "user=%5\n"
               "# Der Server weist sich mit seinem Zertifikat aus (TLS); die Stammzertifizierung\n"
               "# steht in ~/.postgresql/root.crt oder in sslrootcert=DATEI.\n"
               "sslmode=verify-full\n"
               "\n"
               "# In die Passwortdatei: ~/.pgpass, danach: chmod 600 ~/.pgpass\n"
               "%6:%3:%7:%8:%9\n"
               "\n"
               "# In die Einstellungen von ZUB-Zahlen: ~/.config/zubzahlen/zubzahlen.conf\n"
               "# (für einen ganzen Raum: /etc/xdg/zubzahlen/zubzahlen.conf).\n"
               "[classServer]\n"
               "service=%1\n")
        .arg(a.service, a.host, QString::number(a.port), a.database, a.role, passField(a.host),
             passField(a.database), passField(a.role), passField(a.password));
}
