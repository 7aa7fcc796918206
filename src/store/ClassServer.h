#pragma once

#include "ClassServerStatus.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <QVariant>

#include <functional>

class QSqlDatabase;
class ServerWorker;

// The class server as the GUI thread sees it: it never waits on the network.
// A ServerWorker on a thread of its own does the talking; what it finds out
// arrives here through queued signals only.
class ClassServer : public QObject {
    Q_OBJECT
public:
    // The service named in Qt's settings (group classServer, key service;
    // the user's file wins over the computer room's /etc/xdg file); "" = none.
    static QString configuredService();

    // Starts the thread at once; the record at recordPath must be open already.
    ClassServer(const QString &service, const QString &recordPath, const SenderTiming &timing = {},
                QObject *parent = nullptr);
    ~ClassServer() override;

    QString service() const { return service_; }
    const ClassServerStatus &status() const { return status_; }

    // New answers were written: send them soon.
    void nudge();

    // Runs job on the sender's thread with its connection (closed or invalid
    // while offline: the job then returns an invalid QVariant); done is
    // called afterwards on context's thread, unless context is gone by then.
    void submit(std::function<QVariant(QSqlDatabase &)> job, QObject *context,
                std::function<void(const QVariant &)> done);

signals:
    void statusChanged(const ClassServerStatus &status);
    // German, once per new problem: for the Lernstand view, never for the child.
    void problem(const QString &text);
    // The local copy of the server's children was renewed.
    void rosterChanged();

private:
    struct Pending {
        QPointer<QObject> context;
        std::function<void(const QVariant &)> done;
    };
    void finished(quint64 id, const QVariant &result);

    QString service_;
    QThread thread_;
    ServerWorker *worker_;
    ClassServerStatus status_;
    QHash<quint64, Pending> pending_;
    quint64 nextJob_ = 0;
};
