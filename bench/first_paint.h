#pragma once

#include <QByteArray>

#include <cstdio>
#include <ctime>

// The start-up benchmark measures what a person sees: the time from the
// process's start until its window is first painted, and the peak memory a
// moment later, with whatever the program does right after that paint.
// bench/run.py passes its reading of the monotonic clock just before it
// starts the process; the program prints the time since then at its paint.
constexpr int settleMsAfterPaint = 200;

inline void reportFirstPaint() {
    const QByteArray spawned = qgetenv("ZUB_SPAWN_NS");
    if (spawned.isEmpty())
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec - spawned.toLongLong();
    std::printf("first paint after %.3f ms\n", double(ns) / 1e6);
    std::fflush(stdout);
}
