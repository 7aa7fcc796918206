#include "ServerWorker.h"

#include "SenderFaults.h"
#include "store/server/ServerConnection.h"
#include "store/server/ServerSchema.h"

#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

QString unreadableRecord() {
    return QStringLiteral("Der Lernstand dieses Rechners kann nicht gelesen oder geschrieben "
                          "werden; bis das wieder geht, wird nichts gesendet.");
}

} // namespace

ServerWorker::ServerWorker(const QString &service, const QString &recordPath, const Timing &timing)
    : service_(service), connection_(QStringLiteral("klassenserver-%1").arg(quintptr(this), 0, 16)),
      timing_(timing), queue_(recordPath), retryMs_(timing.firstRetryMs) {}

// Runs on the worker's thread as it ends: the connections belong to it.
ServerWorker::~ServerWorker() {
    ServerConnection::close(connection_);
    queue_.close();
}

void ServerWorker::start() {
#ifdef Q_OS_LINUX
    // The child's clicks come first: on Linux a thread has a nice value of its
    // own (QThread's priorities do nothing under the default scheduler).
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
#endif
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    connect(retry_, &QTimer::timeout, this, &ServerWorker::work);
    period_ = new QTimer(this);
    period_->setInterval(timing_.periodMs);
    connect(period_, &QTimer::timeout, this, [this] {
        if (!retry_->isActive())
            work();
    });
    soon_ = new QTimer(this);
    soon_->setSingleShot(true);
    soon_->setInterval(timing_.nudgeDelayMs);
    connect(soon_, &QTimer::timeout, this, [this] {
        if (connected())
            sendWaiting();
        else
            refreshWaiting();
        publish();
    });
    queueOpen_ = queue_.open();
    refreshWaiting();
    publish();
    period_->start();
    work();
}

void ServerWorker::nudge() {
    if (soon_ && !soon_->isActive())
        soon_->start();
}

void ServerWorker::runJob(quint64 id, const std::function<QVariant(QSqlDatabase &)> &job) {
    if (!connected() && retry_ && !retry_->isActive())
        connectAndIdentify();
    QSqlDatabase db;
    if (connected())
        db = QSqlDatabase::database(connection_, false);
    const QVariant result = job(db);
    const bool lost = db.isValid() && !db.isOpen();
    const QSqlError error = db.lastError();
    db = QSqlDatabase(); // the connection is closed by name only when no handle is left
    if (lost)
        fail(error);
    emit jobDone(id, result);
}

bool ServerWorker::connected() const {
    return (status_.state == ClassServerStatus::State::Computer ||
            status_.state == ClassServerStatus::State::Teacher) &&
           QSqlDatabase::database(connection_, false).isOpen();
}

bool ServerWorker::connectAndIdentify() {
    disconnect();
    ServerQueries::Identity who;
    QString problem;
    {
        ServerConnection::Opened opened = ServerConnection::open(connection_, service_);
        if (opened.db.isOpen())
            who = ServerQueries::identify(opened.db);
        else if (opened.db.isValid())
            who.error = opened.db.lastError();
        else
            problem = opened.problem; // no driver, or not a service name
    }
    if (!problem.isEmpty()) {
        fail(ClassServerStatus::State::Refused, problem);
        return false;
    }
    if (who.error.isValid()) {
        fail(who.error);
        return false;
    }
    if (who.schemaVersion > ServerSchema::version()) {
        fail(ClassServerStatus::State::Newer,
             QStringLiteral("Der Klassenserver ist neuer als dieses Programm (Version %1 statt "
                            "%2). Bis das Programm aktualisiert ist, wird nichts gesendet; die "
                            "Antworten bleiben auf diesem Rechner.")
                 .arg(who.schemaVersion)
                 .arg(ServerSchema::version()));
        return false;
    }
    if (who.kind == ServerQueries::Identity::Kind::None) {
        fail(ClassServerStatus::State::Refused,
             QStringLiteral("Der Klassenserver kennt diese Anmeldung nicht als Rechner oder "
                            "Lehrkraft einer Klasse. Bitte mit „zubzahlen-klassenserver“ "
                            "eintragen lassen."));
        return false;
    }
    // A computer's answers fit every version; the class view needs the figures
    // of this one.
    if (who.kind == ServerQueries::Identity::Kind::Teacher &&
        who.schemaVersion < ServerSchema::version()) {
        fail(ClassServerStatus::State::Refused,
             QStringLiteral("Der Klassenserver ist mit einer älteren Fassung eingerichtet "
                            "(Version %1 statt %2). Bitte „zubzahlen-klassenserver einrichten“ "
                            "ausführen lassen; bis dahin zeigt die Ansicht den Lernstand dieses "
                            "Rechners.")
                 .arg(who.schemaVersion)
                 .arg(ServerSchema::version()));
        return false;
    }
    status_.state = who.kind == ServerQueries::Identity::Kind::Computer
                        ? ClassServerStatus::State::Computer
                        : ClassServerStatus::State::Teacher;
    status_.classes = who.classes;
    status_.lastError.clear();
    told_.clear();
    retryMs_ = timing_.firstRetryMs;
    publish();
    return true;
}

void ServerWorker::work() {
    if (stopping_ || (!connected() && !connectAndIdentify()))
        return;
    QList<RosterChild> roster;
    QSqlError error;
    bool read = false;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        read = ServerQueries::readRoster(db, &roster, &error);
    }
    if (!read) {
        fail(error);
        return;
    }
    if (queueOpen_ && roster != roster_ && queue_.replaceRoster(roster)) {
        roster_ = roster;
        emit rosterChanged();
    }
    sendWaiting();
    publish();
}

void ServerWorker::sendWaiting() {
    if (status_.state != ClassServerStatus::State::Computer)
        return; // a teacher's program sends nothing
    if (!queueOpen_ && !(queueOpen_ = queue_.open())) {
        fail(ClassServerStatus::State::Offline, unreadableRecord());
        return;
    }
    if (sendTable(LocalQueue::Table::Answers))
        sendTable(LocalQueue::Table::Events);
    refreshWaiting();
}

bool ServerWorker::sendTable(LocalQueue::Table table) {
    while (!stopping_) {
        const QList<LocalQueue::Row> rows = queue_.waiting(table, rowsPerBatch);
        if (rows.isEmpty())
            return true;
        ServerQueries::BatchResult result;
        {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            result = ServerQueries::send(db, table, rows);
        }
        bool kept = result.sent.isEmpty() || queue_.markSent(table, result.sent);
        if (!result.sent.isEmpty())
            status_.lastBatch = QDateTime::currentDateTimeUtc();
        for (const auto &aside : result.aside)
            kept = queue_.setAside(table, aside.first, aside.second) && kept;
        if (!result.aside.isEmpty()) {
            status_.lastError =
                QStringLiteral("Der Klassenserver hat %1 Einträge abgewiesen; sie bleiben "
                               "beiseitegelegt auf diesem Rechner. Grund: %2")
                    .arg(result.aside.size())
                    .arg(result.aside.first().second);
            if (told_ != status_.lastError)
                emit problem(told_ = status_.lastError);
        }
        if (!result.complete()) {
            fail(result.error);
            return false;
        }
        if (!kept) {
            // Rows that cannot be marked would be read and sent again forever.
            queueOpen_ = false;
            fail(ClassServerStatus::State::Offline, unreadableRecord());
            return false;
        }
        refreshWaiting();
        publish();
    }
    return false;
}

void ServerWorker::fail(const QSqlError &error) {
    const SenderFaults::Problem problem = SenderFaults::describe(error, service_);
    fail(problem.refused ? ClassServerStatus::State::Refused : ClassServerStatus::State::Offline,
         problem.text);
}

void ServerWorker::fail(ClassServerStatus::State state, const QString &text) {
    status_.state = state;
    status_.lastError = text;
    if (told_ != text)
        emit problem(told_ = text);
    disconnect();
    refreshWaiting();
    publish();
    retryLater();
}

void ServerWorker::disconnect() {
    ServerConnection::close(connection_);
}

void ServerWorker::retryLater() {
    if (stopping_ || !retry_)
        return;
    retry_->start(retryMs_);
    retryMs_ = qMin(retryMs_ * 2, timing_.longestRetryMs);
}

void ServerWorker::refreshWaiting() {
    if (queueOpen_)
        status_.waiting = queue_.waitingCount();
}

void ServerWorker::publish() {
    emit statusChanged(status_);
}
