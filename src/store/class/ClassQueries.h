#pragma once

#include "core/record/AnswerRecord.h"
#include "core/record/ClassMistakes.h"
#include "core/record/ClassTable.h"
#include "core/record/ClassWorksheets.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QSqlDatabase;

// A child as the class server knows it: an id that never changes.
struct ServerChild {
    QString id;
    QString name;
    QString className;
};

// The teacher's reading and writing on the class server. Each function runs
// on the connection it is given (the worker thread's) and answers nothing
// (std::nullopt / false) when the server refused or could not be reached.
// Which classes a teacher sees is the server's rule: these only ask.
namespace ClassQueries {

// The classes the connected role teaches, in order; empty for a computer's role.
std::optional<QStringList> teacherClasses(QSqlDatabase &db);

// The children of the classes the role may read, by class and name.
std::optional<QList<ServerChild>> children(QSqlDatabase &db);

// A new child in the class; its new id.
std::optional<QString> addChild(QSqlDatabase &db, const QString &className, const QString &name);
bool renameChild(QSqlDatabase &db, const QString &id, const QString &name);
// The child's answers and events, in one transaction.
bool removeAnswers(QSqlDatabase &db, const QString &id);
// The child with all its answers and events, in one transaction.
bool removeChild(QSqlDatabase &db, const QString &id);

// One child's answers from `from` on (all when null), oldest first, named `name`.
std::optional<QList<AnswerRecord>> childAnswers(QSqlDatabase &db, const QString &id,
                                                const QString &name, const QDateTime &from);
// All answers of the class from `from` on, by child name then time, each named by its child.
std::optional<QList<AnswerRecord>> classAnswers(QSqlDatabase &db, const QString &className,
                                                const QDateTime &from);

// First tries and practice time per child and exercise, grouped by the server.
std::optional<QList<ClassCell>> classCells(QSqlDatabase &db, const QString &className,
                                           const QDateTime &from);

struct MistakeCounts {
    QList<WrongGiven> taskTotals;
    QList<WrongGiven> givens;
    int childrenPractised = 0;
};
// The tasks most children got wrong (the `limit` first) and their wrong answers.
std::optional<MistakeCounts> classMistakes(QSqlDatabase &db, const QString &className,
                                           const QDateTime &from, int limit);

// Tasks and wrong answers per child, exercise and range, by child id.
std::optional<QHash<QString, QList<PractisedSpot>>>
practisedSpots(QSqlDatabase &db, const QString &className, const QDateTime &from);

struct Keeping {
    int months = 0;
    QDateTime lastCleanup; // invalid: never
};
std::optional<Keeping> keeping(QSqlDatabase &db, const QString &className);
bool setKeepMonths(QSqlDatabase &db, const QString &className, int months);
// When due (once a day), deletes the class's answers and events older than
// its period and notes the day; the answers deleted, 0 when not due.
std::optional<int> cleanUp(QSqlDatabase &db, const QString &className, const QDateTime &now);

} // namespace ClassQueries
