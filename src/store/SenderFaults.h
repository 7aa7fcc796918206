#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// What the class server's errors mean for the sender.
namespace SenderFaults {
// A statement's error that concerns its row alone (a value the server does
// not accept, a child unknown there or not of this computer's classes): the
// row is set aside, the rest goes on.
bool isRowFault(const QSqlError &error);

// What a failure means, in German, for the Lernstand view; refused: the
// server or libpq's files turn this login away (trying again will not help
// until someone changes them).
struct Problem {
    bool refused = false;
    QString text;
};
Problem describe(const QSqlError &error, const QString &service);

} // namespace SenderFaults
