#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the ways the desktop asks a program to end into one signal: the
// session manager's request at logout, and SIGTERM, SIGHUP and SIGINT. A
// signal handler may do next to nothing, so it only writes a byte to a
// socket that the event loop watches; the request then arrives like any
// other event, also while a message box runs its own loop.
class EndRequests : public QObject {
    Q_OBJECT
public:
    EndRequests();
    ~EndRequests() override;

signals:
    void endRequested();

private:
    void readSignal();
    QSocketNotifier *notifier_ = nullptr;
};
