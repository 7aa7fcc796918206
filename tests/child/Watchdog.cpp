#include "Watchdog.h"

#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { watch(); }) {}

Watchdog::~Watchdog() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Watchdog::starting(const QString &what) {
    std::lock_guard<std::mutex> lock(mutex_);
    current_ = what.toStdString();
}

void Watchdog::completed() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++completed_;
}

void Watchdog::watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        const long long before = completed_;
        wake_.wait_for(lock, limit_, [this] { return stop_; });
        if (!stop_ && completed_ == before) {
            std::fprintf(stderr,
                         "scripted child: HANG - no action completed for %lld s; "
                         "stuck in action %lld: %s\n",
                         static_cast<long long>(limit_.count()), completed_ + 1, current_.c_str());
            std::fflush(stderr);
            std::abort();
        }
    }
}
