#include "Arguments.h"

namespace {

struct Verb {
    const char *word;
    Arguments::Command command;
    bool takesName;
    bool takesClasses;
};

const Verb verbs[] = {
    {"einrichten", Arguments::Command::SetUp, false, false},
    {"rechner", Arguments::Command::Computer, true, true},
    {"lehrkraft", Arguments::Command::Teacher, true, true},
    {"klassen", Arguments::Command::Classes, false, false},
};

// "--klasse 3b" and "--klasse=3b" both; *value stays null when the option is not this one.
bool takeValue(const QStringList &args, int *i, const QString &option, QString *value,
               QString *problem) {
    const QString &arg = args.at(*i);
    if (arg.startsWith(option + QLatin1Char('='))) {
        *value = arg.mid(option.size() + 1);
        return true;
    }
    if (arg != option)
        return false;
    if (*i + 1 >= args.size()) {
        *problem = QStringLiteral("Nach %1 fehlt ein Wert.").arg(option);
        return true;
    }
    *value = args.at(++*i);
    return true;
}

} // namespace

Arguments readArguments(const QStringList &args) {
    Arguments result;
    if (args.isEmpty()) {
        result.problem = QStringLiteral("Es fehlt, was zu tun ist: einrichten, rechner, "
                                        "lehrkraft oder klassen.");
        return result;
    }
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h")) ||
        args.first() == QLatin1String("hilfe"))
        return result;
    const Verb *verb = nullptr;
    for (const Verb &candidate : verbs) {
        if (args.first() == QLatin1String(candidate.word))
            verb = &candidate;
    }
    if (!verb) {
        result.problem = QStringLiteral("Unbekannter Befehl „%1“. Befehle: einrichten, rechner, "
                                        "lehrkraft, klassen.")
                             .arg(args.first());
        return result;
    }
    result.command = verb->command;
    bool serviceGiven = false;
    for (int i = 1; i < args.size() && result.problem.isEmpty(); ++i) {
        QString value;
        if (takeValue(args, &i, QStringLiteral("--dienst"), &value, &result.problem)) {
            result.service = value;
            serviceGiven = true;
        } else if (verb->takesClasses &&
                   takeValue(args, &i, QStringLiteral("--klasse"), &value, &result.problem)) {
            if (!result.classes.contains(value))
                result.classes << value;
        } else if (verb->takesName &&
                   takeValue(args, &i, QStringLiteral("--server"), &value, &result.problem)) {
            result.server = value;
        } else if (args.at(i).startsWith(QLatin1Char('-'))) {
            result.problem = QStringLiteral("Unbekannte Angabe „%1“ bei „%2“.")
                                 .arg(args.at(i), QLatin1String(verb->word));
        } else if (verb->takesName && result.name.isNull()) {
            result.name = args.at(i);
        } else {
            result.problem = QStringLiteral("Überzählige Angabe „%1“.").arg(args.at(i));
        }
    }
    if (result.problem.isEmpty() && verb->takesName && result.name.isNull())
        result.problem =
            QStringLiteral("Es fehlt der Name nach „%1“.").arg(QLatin1String(verb->word));
    if (result.problem.isEmpty() && verb->takesClasses && result.classes.isEmpty())
        result.problem = QStringLiteral("Mindestens eine Klasse angeben: --klasse 3b.");
    if (result.problem.isEmpty() && !serviceGiven)
        result.problem = QStringLiteral("Es fehlt der Dienst: --dienst NAME.");
    return result;
}

QString helpText() {
    return QStringLiteral(
        "Aufruf: zubzahlen-klassenserver BEFEHL [ANGABEN] --dienst DIENST\n"
        "\n"
        "Richtet den Klassenserver von ZUB-Zahlen auf einem PostgreSQL-Server ein. DIENST ist\n"
        "ein Eintrag der Dienstdatei von PostgreSQL (~/.pg_service.conf oder PGSERVICEFILE),\n"
        "der auf die Datenbank der Schule zeigt; die Rolle darin ist die Eigentümerin der\n"
        "Datenbank und darf Rollen anlegen (CREATEROLE). Das Passwort steht in ~/.pgpass.\n"
        "\n"
        "Befehle:\n"
        "  einrichten --dienst DIENST\n"
        "      legt Tabellen, Rollen und Rechte an oder bringt sie auf den neuen Stand;\n"
        "      ein zweiter Aufruf ändert nichts.\n"
        "  rechner NAME --klasse KLASSE [--klasse KLASSE ...] --dienst DIENST [--server HOST]\n"
        "      legt die Anmeldung eines Rechners im Klassenraum an, mit zufälligem Passwort,\n"
        "      und zeigt die Zeilen für seine Dienstdatei und seine Passwortdatei. Gibt es\n"
        "      den Rechner schon, bekommt er ein neues Passwort und genau diese Klassen.\n"
        "  lehrkraft NAME --klasse KLASSE [--klasse KLASSE ...] --dienst DIENST [--server HOST]\n"
        "      dasselbe für eine Lehrkraft.\n"
        "  klassen --dienst DIENST\n"
        "      zeigt die Klassen mit ihren Rechnern, Lehrkräften, Kindern und Antworten.\n"
        "\n"
        "NAME: Kleinbuchstaben, Ziffern, Punkt, Unterstrich, Bindestrich. Die Rolle auf dem\n"
        "Server heißt NAME@DATENBANK, so bleiben mehrere Schulen auf einem Server getrennt.\n"
        "--server HOST: der Name, unter dem die Rechner den Server erreichen (sonst die\n"
        "Adresse der eigenen Verbindung).\n"
        "\n"
        "Rückgabewert: 0 bei Erfolg, 1 bei einem Fehler auf dem Server oder der Verbindung,\n"
        "2 bei einem falschen Aufruf.\n");
}
