#pragma once

#include <QString>
#include <QStringList>

// The command line of zubzahlen-klassenserver, read into one request.
struct Arguments {
    enum class Command { Help, SetUp, Computer, Teacher, Classes };
    Command command = Command::Help;
    QString name;        // rechner, lehrkraft
    QStringList classes; // --klasse, in the order given, each once
    QString service;     // --dienst
    QString server;      // --server: the host name computers use
    QString problem;     // German; set when the line cannot be used
};

// Reads the arguments after the program's name.
Arguments readArguments(const QStringList &arguments);

// The German help text of --help.
QString helpText();
