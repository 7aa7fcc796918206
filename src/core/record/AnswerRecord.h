#pragma once

#include <QDateTime>
#include <QString>

// One judged answer, as the learning record keeps it.
struct AnswerRecord {
    QString child;    // "" = the login account's own record
    QString childId;  // the class server's id of the child; "" = never sent anywhere
    QString exercise; // the exercise's worksheet type name, one of WorksheetTasks::types()
    int range = 0;    // the number range the task was drawn from
    QString task;     // as the child saw it: "Nachbarn (Zehner) von 4 099"
    QString given;    // what the child gave
    bool right = false;
    int attempt = 1; // 1 = first try at this task, 2 = second try at the same task, ...
    QDateTime at;    // when it was judged
    qint64 millisecondsShown = 0; // since the task appeared
};

// Rewards played and worksheets printed or saved.
struct RecordEvent {
    QString child;
    QString kind;   // German, e.g. "Belohnung", "Arbeitsblatt gedruckt", "Arbeitsblatt als PDF"
    QString detail; // e.g. the file name
    QDateTime at;
    QString childId = {}; // as in AnswerRecord
};

// A child of one of this computer's classes, as the class server lists it.
struct RosterChild {
    QString id; // the server's UUID; it never changes, the name may
    QString className;
    QString name;
};

// The kinds of events the program records.
namespace RecordEventKind {
inline QString reward() {
    return QStringLiteral("Belohnung");
}
// The worksheet or its answer key, on paper or as a PDF file.
inline QString sheet(bool key, bool pdf) {
    return (key ? QStringLiteral("Lösungen") : QStringLiteral("Arbeitsblatt")) +
           (pdf ? QStringLiteral(" als PDF") : QStringLiteral(" gedruckt"));
}
} // namespace RecordEventKind
