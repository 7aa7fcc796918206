#include "ClassServer.h"

#include "ServerWorker.h"

#include <QSettings>

QString ClassServer::configuredService() {
    return QSettings().value(QStringLiteral("classServer/service")).toString().trimmed();
}

ClassServer::ClassServer(const QString &service, const QString &recordPath,
                         const SenderTiming &timing, QObject *parent)
    : QObject(parent), service_(service), worker_(new ServerWorker(service, recordPath, timing)) {
    qRegisterMetaType<ClassServerStatus>();
    thread_.setObjectName(QStringLiteral("Klassenserver"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(
        worker_, &ServerWorker::statusChanged, this,
        [this](const ClassServerStatus &status) {
            status_ = status;
            emit statusChanged(status);
        },
        Qt::QueuedConnection);
    connect(worker_, &ServerWorker::problem, this, &ClassServer::problem, Qt::QueuedConnection);
    connect(worker_, &ServerWorker::rosterChanged, this, &ClassServer::rosterChanged,
            Qt::QueuedConnection);
    connect(worker_, &ServerWorker::jobDone, this, &ClassServer::finished, Qt::QueuedConnection);
    thread_.start();
    QMetaObject::invokeMethod(worker_, &ServerWorker::start, Qt::QueuedConnection);
}

// Waits for the batch in progress (bounded by the connection's timeouts);
// what was not marked sent goes at the next start.
ClassServer::~ClassServer() {
    worker_->requestStop();
    thread_.quit();
    thread_.wait();
}

void ClassServer::nudge() {
    QMetaObject::invokeMethod(worker_, &ServerWorker::nudge, Qt::QueuedConnection);
}

void ClassServer::submit(std::function<QVariant(QSqlDatabase &)> job, QObject *context,
                         std::function<void(const QVariant &)> done) {
    const quint64 id = ++nextJob_;
    pending_.insert(id, {context, std::move(done)});
    ServerWorker *worker = worker_;
    QMetaObject::invokeMethod(
        worker_, [worker, id, job = std::move(job)] { worker->runJob(id, job); },
        Qt::QueuedConnection);
}

void ClassServer::finished(quint64 id, const QVariant &result) {
    const Pending pending = pending_.take(id);
    QObject *context = pending.context.data();
    if (!context || !pending.done)
        return;
    if (context->thread() == thread()) {
        pending.done(result);
        return;
    }
    auto done = pending.done;
    QMetaObject::invokeMethod(
        context, [done, result] { done(result); }, Qt::QueuedConnection);
}
