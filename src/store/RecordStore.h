#pragma once

#include "core/record/AnswerRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The learning record in an SQLite file: one short transaction per answer in
// a write-ahead log, a schema version with numbered migrations. Nothing
// outside this library sees SQL.
class RecordStore {
public:
    enum class State {
        Closed,
        Open,          // read and write
        Renewed,       // the file was damaged: moved aside to movedAsidePath(), a new empty record
        ReadOnlyNewer, // written by a newer program (higher schema version): read only, never
                       // written
        Unwritable     // folder or disk cannot be written; add() fails until writing works again
    };

    explicit RecordStore(const QString &path = defaultPath());
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // QStandardPaths::AppDataLocation + "/lernstand.sqlite"
    static QString defaultPath();

    QString path() const { return path_; }

    // WAL, busy timeout, schema version, migrations.
    State open();
    State state() const { return state_; }
    QString movedAsidePath() const { return movedAside_; }

    // One short transaction each; false when it could not be written.
    bool add(const AnswerRecord &answer);
    bool add(const RecordEvent &event);

    // The class server's children as last read from it, by class and name.
    QList<RosterChild> roster() const;

    // Names in alphabetical order.
    QStringList children() const;
    bool addChild(const QString &name);
    // The child's answers and events follow the name.
    bool renameChild(const QString &from, const QString &to);
    // The name only; answers stay until removeAnswers.
    bool removeChild(const QString &name);

    // Oldest first; a null `from` means all.
    QList<AnswerRecord> answers(const QString &child, const QDateTime &from = {}) const;
    QList<RecordEvent> events(const QString &child, const QDateTime &from = {}) const;
    // That child's answers and events.
    bool removeAnswers(const QString &child);
    // Everything, children included.
    bool removeAll();

private:
    // Whether writing can be tried; an unwritable record is opened again first.
    bool writable();
    bool write(const QList<QPair<QString, QVariantList>> &statements);

    QString path_;
    QString connection_;
    QString movedAside_;
    State state_ = State::Closed;
};
