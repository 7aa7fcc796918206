// zubzahlen-klassenserver: the school's administrator sets up the class
// server and the logins of its computers and teachers.
#include "Arguments.h"
#include "Commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const Arguments args = readArguments(app.arguments().mid(1));
    if (!args.problem.isEmpty()) {
        err << QStringLiteral("zubzahlen-klassenserver: %1\n"
                              "Hilfe: zubzahlen-klassenserver --help\n")
                   .arg(args.problem);
        return 2;
    }
    if (args.command == Arguments::Command::Help) {
        out << helpText();
        return 0;
    }
    return runCommand(args, out, err);
}
