#pragma once

#include <QString>

// The lines an administrator copies onto a classroom computer or a teacher's
// computer: its service file, its password file and the program's settings.
struct ClientAccount {
    QString service;
    QString host;
    int port = 0;
    QString database;
    QString role;
    QString password;
};

QString clientLines(const ClientAccount &account);
