#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Ends the process with a clear message when no action completes for a while:
// a hang inside the program (an endless loop, a box nobody answers) would
// otherwise stall the test until the test runner kills it without a word.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit);
    ~Watchdog();

    // An action starts; the text names it in the message.
    void starting(const QString &what);
    // An action completed.
    void completed();

private:
    void watch();

    std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string current_;
    long long completed_ = 0;
    bool stop_ = false;
    std::thread thread_;
};
