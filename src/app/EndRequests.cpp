#include "EndRequests.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalSocket[2] = {-1, -1};
const int endSignals[] = {SIGTERM, SIGHUP, SIGINT};

void onSignal(int) {
    const char byte = 1;
    // Nothing to do when the socket is full: a request is already waiting.
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
}

} // namespace

EndRequests::EndRequests() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSocket) == 0) {
        notifier_ = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &EndRequests::readSignal);
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int s : endSignals)
            sigaction(s, &action, nullptr);
    }
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager &) { emit endRequested(); });
}

EndRequests::~EndRequests() {
    if (!notifier_)
        return;
    for (int s : endSignals)
        std::signal(s, SIG_DFL);
    delete notifier_;
    ::close(signalSocket[0]);
    ::close(signalSocket[1]);
    signalSocket[0] = signalSocket[1] = -1;
}

void EndRequests::readSignal() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(signalSocket[1], &byte, 1);
    emit endRequested();
}
