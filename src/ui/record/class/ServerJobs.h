#pragma once

#include <QVariant>

#include <functional>

class QObject;
class QSqlDatabase;

// A piece of work for the class server's own thread: it runs there with the
// open connection (closed when there is none; it answers an invalid QVariant
// then, and whenever the server refused), and `done` is called later on the
// context's thread with what it answered. The GUI thread never waits for it.
using ServerJob = std::function<QVariant(QSqlDatabase &)>;
using ServerDone = std::function<void(const QVariant &)>;
using ServerSubmit = std::function<void(ServerJob job, QObject *context, ServerDone done)>;
