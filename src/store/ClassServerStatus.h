#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What the sender tells the Lernstand view about the class server.
struct ClassServerStatus {
    enum class State {
        Connecting, // not yet asked, or asking
        Computer,   // connected as a classroom computer
        Teacher,    // connected as a teacher
        Offline,    // the last attempt failed; tried again later
        Refused,    // the server does not accept this login (password, role)
        Newer       // the server's schema is newer than this program: nothing is sent
    };
    State state = State::Connecting;
    QStringList classes;
    qint64 waiting = -1; // answers and events not yet sent; -1 unknown
    QDateTime lastBatch; // when the server last committed a batch from here
    QString lastError;   // German, "" when the last attempt succeeded
};

Q_DECLARE_METATYPE(ClassServerStatus)

// How often the sender tries; tests shorten it.
struct SenderTiming {
    int firstRetryMs = 3000;     // after a failure, doubled each time ...
    int longestRetryMs = 300000; // ... up to this
    int periodMs = 60000;        // roster read again, anything left sent
    int nudgeDelayMs = 500;      // answers recorded close together go in one batch
};
