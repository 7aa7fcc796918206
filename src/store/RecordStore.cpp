#include "RecordStore.h"

#include "PrivateFiles.h"
#include "QueryHelpers.h"
#include "RecordConnection.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTimeZone>
#include <QUuid>
#include <QVariant>

namespace {

using QueryHelpers::exec;
using QueryHelpers::LocalTimes;

QSqlDatabase database(const QString &connection) {
    return QSqlDatabase::database(connection, false);
}

// Made when an answer is first written and kept wherever it is sent, so a
// batch sent twice is recognised and a new answer never is taken for an old one.
QVariant newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// NULL: a name known only on this computer, never sent.
QVariant serverId(const QString &childId) {
    return childId.isEmpty() ? QVariant() : QVariant(childId);
}

qint64 milliseconds(const QDateTime &at) {
    return at.isValid() ? at.toMSecsSinceEpoch() : 0;
}

// A null QString would be bound as NULL; the record keeps "" instead.
QVariant text(const QString &value) {
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

// Statements in one short transaction: all of them or none.
bool inTransaction(const QString &connection,
                   const QList<QPair<QString, QVariantList>> &statements) {
    QSqlDatabase db = database(connection);
    if (!db.isOpen() || !db.transaction())
        return false;
    QSqlQuery query(db);
    for (const auto &statement : statements) {
        if (!exec(query, statement.first, statement.second)) {
            query.finish();
            db.rollback();
            return false;
        }
    }
    query.finish();
    if (db.commit())
        return true;
    db.rollback();
    return false;
}

// Where a damaged file goes: beside it, named with the moment it was found.
QString asidePath(const QString &path) {
    const QFileInfo info(path);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hhmmss"));
    QString aside =
        info.dir().filePath(QStringLiteral("lernstand-beschädigt-%1.sqlite").arg(stamp));
    for (int n = 2; QFile::exists(aside); ++n)
        aside = info.dir().filePath(
            QStringLiteral("lernstand-beschädigt-%1-%2.sqlite").arg(stamp).arg(n));
    return aside;
}

} // namespace

RecordStore::RecordStore(const QString &path)
    : path_(path), connection_(QStringLiteral("lernstand-%1").arg(quintptr(this), 0, 16)) {}

RecordStore::~RecordStore() {
    RecordConnection::close(connection_);
}

QString RecordStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/lernstand.sqlite");
}

RecordStore::State RecordStore::open() {
    RecordConnection::close(connection_);
    notPrivate_ = PrivateFiles::prepare(path_);
    RecordConnection::Outcome outcome = RecordConnection::open(connection_, path_);
    bool renewed = false;
    if (outcome == RecordConnection::Outcome::Damaged) {
        RecordConnection::close(connection_);
        const QString aside = asidePath(path_);
        if (!QFile::rename(path_, aside))
            return state_ = State::Unwritable;
        // The log and index of the damaged file belong to it, not to the new one.
        for (const char *suffix : {"-wal", "-shm", "-journal"})
            QFile::remove(path_ + QLatin1String(suffix));
        movedAside_ = aside;
        renewed = true;
        notPrivate_ = PrivateFiles::prepare(path_);
        outcome = RecordConnection::open(connection_, path_);
    }
    switch (outcome) {
    case RecordConnection::Outcome::Ready:
        return state_ = renewed ? State::Renewed : State::Open;
    case RecordConnection::Outcome::Newer:
        return state_ = State::ReadOnlyNewer;
    default:
        // Closed, so that the next write tries the whole set-up again.
        RecordConnection::close(connection_);
        return state_ = State::Unwritable;
    }
}

bool RecordStore::writable() {
    if (state_ == State::Closed || state_ == State::ReadOnlyNewer)
        return false;
    // A folder that could not be written may be writable now.
    if (state_ == State::Unwritable && !database(connection_).isOpen())
        return open() != State::Unwritable && state_ != State::ReadOnlyNewer;
    return true;
}

bool RecordStore::write(const QList<QPair<QString, QVariantList>> &statements) {
    if (!writable())
        return false;
    const bool ok = inTransaction(connection_, statements);
    if (ok && state_ == State::Unwritable)
        state_ = State::Open;
    else if (!ok)
        state_ = State::Unwritable;
    return ok;
}

bool RecordStore::add(const AnswerRecord &answer) {
    return write({{QStringLiteral("INSERT INTO answers (id, child_id, child, exercise, "
                                  "number_range, task, given, is_right, attempt, at_ms, shown_ms) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {newId(), serverId(answer.childId), text(answer.child), text(answer.exercise),
                    answer.range, text(answer.task), text(answer.given), answer.right ? 1 : 0,
                    answer.attempt, milliseconds(answer.at), answer.millisecondsShown}}});
}

bool RecordStore::add(const RecordEvent &event) {
    return write({{QStringLiteral("INSERT INTO events (id, child_id, child, kind, detail, at_ms) "
                                  "VALUES (?, ?, ?, ?, ?, ?)"),
                   {newId(), serverId(event.childId), text(event.child), text(event.kind),
                    text(event.detail), milliseconds(event.at)}}});
}

QList<RosterChild> RecordStore::roster() const {
    QList<RosterChild> list;
    QSqlQuery query(database(connection_));
    if (!query.exec(QStringLiteral("SELECT id, class, name FROM server_children")))
        return list;
    while (query.next())
        list.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    const QCollator german(QLocale(QLocale::German, QLocale::Germany));
    std::sort(list.begin(), list.end(), [&german](const RosterChild &a, const RosterChild &b) {
        const int byClass = german.compare(a.className, b.className);
        return byClass != 0 ? byClass < 0 : german.compare(a.name, b.name) < 0;
    });
    return list;
}

QStringList RecordStore::children() const {
    QStringList names;
    QSqlQuery query(database(connection_));
    if (!query.exec(QStringLiteral("SELECT name FROM children")))
        return names;
    while (query.next())
        names << query.value(0).toString();
    // Sorted here, not by the database's collation, so that "Ä" sorts beside
    // "A"; a collator loads ICU's collation data, so only when there is
    // something to sort.
    if (names.size() > 1) {
        const QCollator german(QLocale(QLocale::German, QLocale::Germany));
        std::sort(names.begin(), names.end(), german);
    }
    return names;
}

bool RecordStore::addChild(const QString &name) {
    if (name.isEmpty() || children().contains(name))
        return false;
    return write({{QStringLiteral("INSERT INTO children (name) VALUES (?)"), {name}}});
}

bool RecordStore::renameChild(const QString &from, const QString &to) {
    if (to.isEmpty() || from == to || !children().contains(from) || children().contains(to))
        return false;
    return write({
        {QStringLiteral("UPDATE children SET name = ? WHERE name = ?"), {to, from}},
        {QStringLiteral("UPDATE answers SET child = ? WHERE child = ?"), {to, from}},
        {QStringLiteral("UPDATE events SET child = ? WHERE child = ?"), {to, from}},
    });
}

bool RecordStore::removeChild(const QString &name) {
    return write({{QStringLiteral("DELETE FROM children WHERE name = ?"), {name}}});
}

QList<AnswerRecord> RecordStore::answers(const QString &child, const QDateTime &from) const {
    QList<AnswerRecord> list;
    QSqlQuery query(database(connection_));
    query.setForwardOnly(true);
    if (!exec(query,
              QStringLiteral("SELECT exercise, number_range, task, given, is_right, attempt, "
                             "at_ms, shown_ms FROM answers WHERE child = ? AND at_ms >= ? "
                             "ORDER BY at_ms"),
              {text(child), milliseconds(from)}))
        return list;
    LocalTimes times;
    while (query.next()) {
        AnswerRecord answer;
        answer.child = child;
        answer.exercise = query.value(0).toString();
        answer.range = query.value(1).toInt();
        answer.task = query.value(2).toString();
        answer.given = query.value(3).toString();
        answer.right = query.value(4).toInt() != 0;
        answer.attempt = query.value(5).toInt();
        answer.at = times.at(query.value(6).toLongLong());
        answer.millisecondsShown = query.value(7).toLongLong();
        list.append(answer);
    }
    return list;
}

QList<RecordEvent> RecordStore::events(const QString &child, const QDateTime &from) const {
    QList<RecordEvent> list;
    QSqlQuery query(database(connection_));
    query.setForwardOnly(true);
    if (!exec(query,
              QStringLiteral("SELECT kind, detail, at_ms FROM events WHERE child = ? AND "
                             "at_ms >= ? ORDER BY at_ms"),
              {text(child), milliseconds(from)}))
        return list;
    LocalTimes times;
    while (query.next())
        list.append({child, query.value(0).toString(), query.value(1).toString(),
                     times.at(query.value(2).toLongLong())});
    return list;
}

bool RecordStore::removeAnswers(const QString &child) {
    return write({
        {QStringLiteral("DELETE FROM answers WHERE child = ?"), {text(child)}},
        {QStringLiteral("DELETE FROM events WHERE child = ?"), {text(child)}},
    });
}

bool RecordStore::removeAll() {
    return write({
        {QStringLiteral("DELETE FROM answers"), {}},
        {QStringLiteral("DELETE FROM events"), {}},
        {QStringLiteral("DELETE FROM children"), {}},
    });
}
