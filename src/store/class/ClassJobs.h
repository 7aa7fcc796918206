#pragma once

#include "ClassQueries.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QSqlDatabase;

// A piece of work for the class server's own thread, run there with its
// open connection; it answers an invalid QVariant when the server refused or
// could not be reached. The teacher's side asks for these by what it wants,
// so the connection never leaves the store.
using ServerJob = std::function<QVariant(QSqlDatabase &)>;

// What the server said about the teacher's classes and children.
struct TeacherSnapshot {
    QStringList classes;
    QList<ServerChild> children;
    QHash<QString, ClassQueries::Keeping> keeping;
};

namespace ClassJobs {

// The classes, their children and keeping periods; first clears, once a day,
// answers older than each class keeps them (whichever teacher comes first).
// Answers a TeacherSnapshot.
ServerJob teacherSnapshot(const QDateTime &now);
// Answers a QList<AnswerRecord>.
ServerJob childAnswers(const QString &id, const QString &name, const QDateTime &from);
// Answers {QList<ClassCell>, ClassQueries::MistakeCounts} as a QVariantList.
ServerJob classFigures(const QString &className, const QDateTime &from, int mistakesShown);
// Answers QHash<QString, QList<PractisedSpot>> by child id.
ServerJob practisedSpots(const QString &className, const QDateTime &from);
// Answers the class's answers as the CSV file's bytes.
ServerJob classAnswersCsv(const QString &className, const QDateTime &from);
// Answers the new child's id.
ServerJob addChild(const QString &className, const QString &name);
// These answer true when done.
ServerJob renameChild(const QString &id, const QString &name);
ServerJob removeChild(const QString &id);
ServerJob removeAnswers(const QString &id);
ServerJob setKeepMonths(const QString &className, int months);

} // namespace ClassJobs
