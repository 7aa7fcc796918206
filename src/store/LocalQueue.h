#pragma once

#include "core/record/AnswerRecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// What waits in the local learning record to go to the class server, read
// and marked through a connection of its own, on the sender's thread.
class LocalQueue {
public:
    enum class Table { Answers, Events };

    struct Row {
        Table table;
        QVariantList values; // in the order of columns(table); the id first
        QString id() const { return values.value(0).toString(); }
    };

    explicit LocalQueue(const QString &path);
    ~LocalQueue();
    LocalQueue(const LocalQueue &) = delete;
    LocalQueue &operator=(const LocalQueue &) = delete;

    // The columns both the local file and the server have, for both.
    static QString tableName(Table table);
    static QString columns(Table table);

    // On the thread that uses it; false when the file cannot be read and written.
    bool open();
    void close();

    // Oldest first, at most `limit`.
    QList<Row> waiting(Table table, int limit) const;
    // Answers and events still to send; -1 when the file cannot be read.
    qint64 waitingCount() const;

    // After the server's commit only.
    bool markSent(Table table, const QStringList &ids);
    // Rejected by the server as invalid: kept here with the reason, never sent again.
    bool setAside(Table table, const QString &id, const QString &reason);

    // The server's children of this computer's classes, replacing the last copy.
    bool replaceRoster(const QList<RosterChild> &children);

private:
    QString path_;
    QString connection_;
};
