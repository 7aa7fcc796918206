#pragma once

#include "store/class/ClassJobs.h"

#include <QVariant>

#include <functional>

class QObject;

// A job of ClassJobs is submitted to the class server's own thread, and
// `done` is called later on the context's thread with what it answered. The
// GUI thread never waits for it.
using ServerDone = std::function<void(const QVariant &)>;
using ServerSubmit = std::function<void(ServerJob job, QObject *context, ServerDone done)>;
