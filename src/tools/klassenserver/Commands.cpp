#include "Commands.h"

#include "ClientLines.h"
#include "store/server/AdminSession.h"

#include <QSysInfo>
#include <QTextStream>

namespace {

// Checks the connected role and the schema before anything else runs.
bool mayAdminister(AdminSession &session, const Arguments &args, QTextStream &err) {
    QString error;
    const ServerSchema::Rights rights = session.rights(&error);
    if (!error.isEmpty()) {
        err << QStringLiteral("Der Server antwortet nicht wie erwartet: %1\n").arg(error);
        return false;
    }
    if (!rights.owner) {
        err << QStringLiteral("Die Rolle des Dienstes „%1“ ist nicht die Eigentümerin der "
                              "Datenbank; nur sie richtet den Klassenserver ein.\n")
                   .arg(args.service);
        return false;
    }
    if (!rights.createRole && args.command != Arguments::Command::Classes) {
        err << QStringLiteral("Die Rolle des Dienstes „%1“ darf keine Rollen anlegen: "
                              "ALTER ROLE … CREATEROLE als Superuser.\n")
                   .arg(args.service);
        return false;
    }
    if (args.command == Arguments::Command::SetUp)
        return true;
    const int version = session.serverVersion(&error);
    if (version < 0)
        err << QStringLiteral("Der Server antwortet nicht wie erwartet: %1\n").arg(error);
    else if (version == 0)
        err << QStringLiteral("Die Datenbank ist noch nicht eingerichtet: zuerst "
                              "„zubzahlen-klassenserver einrichten --dienst %1“.\n")
                   .arg(args.service);
    else if (version < ServerSchema::version())
        err << QStringLiteral("Der Server ist mit einer älteren Fassung von ZUB-Zahlen "
                              "eingerichtet (Version %1): zuerst „zubzahlen-klassenserver "
                              "einrichten --dienst %2“, das erneuert ihn.\n")
                   .arg(version)
                   .arg(args.service);
    else if (version > ServerSchema::version())
        err << QStringLiteral("Der Server ist mit einer neueren Fassung von ZUB-Zahlen "
                              "eingerichtet (Version %1, dieses Werkzeug kennt %2). Bitte "
                              "ZUB-Zahlen auf diesem Rechner erneuern.\n")
                   .arg(version)
                   .arg(ServerSchema::version());
    return version == ServerSchema::version();
}

int setUp(AdminSession &session, const Arguments &args, QTextStream &out, QTextStream &err) {
    const ServerSchema::Result result = session.setUp();
    switch (result.outcome) {
    case ServerSchema::Outcome::Created:
        if (result.serverVersion > 0)
            out << QStringLiteral("Der Klassenserver ist erneuert (Version %1 statt %2); "
                                  "alle Antworten sind erhalten.\n")
                       .arg(ServerSchema::version())
                       .arg(result.serverVersion);
        else
            out << QStringLiteral("Der Klassenserver ist eingerichtet (Version %1).\n")
                       .arg(ServerSchema::version());
        return 0;
    case ServerSchema::Outcome::Unchanged:
        out << QStringLiteral("Der Klassenserver ist schon eingerichtet (Version %1); "
                              "nichts geändert.\n")
                   .arg(result.serverVersion);
        return 0;
    case ServerSchema::Outcome::Newer:
        err << QStringLiteral("Der Server ist mit einer neueren Fassung von ZUB-Zahlen "
                              "eingerichtet (Version %1, dieses Werkzeug kennt %2); nichts "
                              "geändert. Bitte ZUB-Zahlen auf diesem Rechner erneuern.\n")
                   .arg(result.serverVersion)
                   .arg(ServerSchema::version());
        return 1;
    case ServerSchema::Outcome::NotOwner:
    case ServerSchema::Outcome::NoCreateRole:
        mayAdminister(session, args, err);
        return 1;
    case ServerSchema::Outcome::Failed:
        break;
    }
    err << QStringLiteral("Einrichten fehlgeschlagen, nichts geändert: %1\n").arg(result.error);
    return 1;
}

int setMember(AdminSession &session, const Arguments &args, QTextStream &out, QTextStream &err) {
    const bool computer = args.command == Arguments::Command::Computer;
    const ServerAdmin::Kind kind =
        computer ? ServerAdmin::Kind::Computer : ServerAdmin::Kind::Teacher;
    ServerAdmin::Address address;
    ServerAdmin::Member member;
    QString error;
    if (!session.address(&address, &error) ||
        !session.setMember(kind, args.name, args.classes, &member, &error)) {
        err << error << QLatin1Char('\n');
        return 1;
    }
    ClientAccount account{args.service,     args.server, address.port,
                          address.database, member.role, member.password};
    if (account.host.isEmpty())
        account.host = address.host;
    if (account.host.isEmpty()) {
        account.host = QSysInfo::machineHostName();
        err << QStringLiteral("Hinweis: Die Verbindung läuft über einen Unix-Socket; als "
                              "Servername steht „%1“ in den Zeilen. Einen anderen Namen gibt "
                              "--server HOST an.\n")
                   .arg(account.host);
    }
    const QString what = computer ? QStringLiteral("Rechner") : QStringLiteral("Lehrkraft");
    const QString classes = args.classes.join(QStringLiteral(", "));
    if (member.existed)
        out << QStringLiteral("# %1 %2 gab es schon: neues Passwort, Klassen jetzt: %3. Die "
                              "bisherigen Zeilen gelten nicht mehr.\n")
                   .arg(what, member.role, classes);
    else
        out << QStringLiteral("# %1 %2 angelegt, Klassen: %3.\n").arg(what, member.role, classes);
    out << QLatin1Char('\n') << clientLines(account);
    return 0;
}

int listClasses(AdminSession &session, QTextStream &out, QTextStream &err) {
    QList<ServerAdmin::ClassSummary> classes;
    QString error;
    if (!session.listClasses(&classes, &error)) {
        err << QStringLiteral("Die Klassen lassen sich nicht lesen: %1\n").arg(error);
        return 1;
    }
    if (classes.isEmpty())
        out << QStringLiteral("Noch keine Klassen: „rechner“ oder „lehrkraft“ mit --klasse "
                              "legt sie an.\n");
    const auto names = [](const QStringList &list) {
        return list.isEmpty() ? QStringLiteral("–") : list.join(QStringLiteral(", "));
    };
    for (const ServerAdmin::ClassSummary &c : std::as_const(classes)) {
        out << QStringLiteral("Klasse %1: %2 Kinder, %3 Antworten\n")
                   .arg(c.name)
                   .arg(c.children)
                   .arg(c.answers);
        out << QStringLiteral("  Rechner:    %1\n").arg(names(c.computers));
        out << QStringLiteral("  Lehrkräfte: %1\n").arg(names(c.teachers));
    }
    return 0;
}

int runOn(AdminSession &session, const Arguments &args, QTextStream &out, QTextStream &err) {
    if (args.command != Arguments::Command::SetUp && !mayAdminister(session, args, err))
        return 1;
    switch (args.command) {
    case Arguments::Command::SetUp:
        return setUp(session, args, out, err);
    case Arguments::Command::Computer:
    case Arguments::Command::Teacher:
        return setMember(session, args, out, err);
    case Arguments::Command::Classes:
        return listClasses(session, out, err);
    case Arguments::Command::Help:
        break;
    }
    return 2;
}

} // namespace

int runCommand(const Arguments &args, QTextStream &out, QTextStream &err) {
    AdminSession session(args.service);
    if (!session.problem().isEmpty()) {
        err << session.problem() << QLatin1Char('\n');
        return 1;
    }
    return runOn(session, args, out, err);
}
