#pragma once

#include "ClassServerStatus.h"
#include "LocalQueue.h"
#include "ServerQueries.h"

#include <QObject>
#include <QSqlDatabase>
#include <QVariant>

#include <atomic>
#include <functional>

class QTimer;

// The sender, living on its own thread with its own connections to the
// server and to the local record: finds out who it is, copies the children
// of its classes, sends what waits in batches, and after a failure waits
// longer each time before it tries again. Also runs the teacher's jobs.
class ServerWorker : public QObject {
    Q_OBJECT
public:
    using Timing = SenderTiming;
    static constexpr int rowsPerBatch = 500;

    ServerWorker(const QString &service, const QString &recordPath, const Timing &timing);
    ~ServerWorker() override;

    // From any thread: the batch in progress is the last.
    void requestStop() { stopping_ = true; }

    // Slots for the owning thread's queued calls.
    void start();
    void nudge();
    void runJob(quint64 id, const std::function<QVariant(QSqlDatabase &)> &job);

signals:
    void statusChanged(const ClassServerStatus &status);
    // German, once per new problem; the status keeps it as well.
    void problem(const QString &text);
    void rosterChanged();
    void jobDone(quint64 id, const QVariant &result);

private:
    bool connected() const;
    bool connectAndIdentify();
    void work();
    void sendWaiting();
    bool sendTable(LocalQueue::Table table);
    void fail(const QSqlError &error);
    void fail(ClassServerStatus::State state, const QString &text);
    void disconnect();
    void retryLater();
    void refreshWaiting();
    void publish();

    QString service_;
    QString connection_;
    Timing timing_;
    LocalQueue queue_;
    bool queueOpen_ = false;
    ClassServerStatus status_;
    QString told_;
    int retryMs_ = 0;
    QTimer *retry_ = nullptr;
    QTimer *period_ = nullptr;
    QTimer *soon_ = nullptr;
    std::atomic_bool stopping_{false};
};
