// The sender benchmark: 25 classroom computers' queues of 4 000 answers each
// sent to a private PostgreSQL server at once; the time until all have
// arrived, and the longest the GUI thread's event loop waited meanwhile.
#include "Classroom.h"
#include "store/ClassServer.h"
#include "store/RecordStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

int computers = 25; // ZUB_SENDER_COMPUTERS=1: one computer's program alone
constexpr int perComputer = 4000;

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("ZUB_SENDER_COMPUTERS"))
        computers = qEnvironmentVariableIntValue("ZUB_SENDER_COMPUTERS");
    PrivatePostgres server;
    if (!server.isAvailable() || !server.isRunning()) {
        std::printf("class server sender: skipped (%s)\n",
                    qPrintable(server.isAvailable() ? server.error() : server.skipReason()));
        return 0;
    }
    Classroom school(server);
    if (!school.setUp({QStringLiteral("3a")}))
        return 1;
    QTemporaryDir dir;
    std::vector<std::unique_ptr<RecordStore>> stores;
    for (int i = 0; i < computers; ++i) {
        const QString name = QStringLiteral("pc%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        const QString child = school.addChild(QStringLiteral("3a"), name);
        if (!school.addMember(name, QStringLiteral("rechner"), {QStringLiteral("3a")}) ||
            child.isEmpty())
            return 1;
        stores.push_back(std::make_unique<RecordStore>(dir.filePath(name + ".sqlite")));
        if (stores.back()->open() != RecordStore::State::Open ||
            !Classroom::record(*stores.back(), child, perComputer))
            return 1;
    }

    // The GUI thread's event loop, as a child's clicks would find it.
    qint64 longest = 0;
    QElapsedTimer since, clock;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] { longest = qMax(longest, since.restart()); });

    clock.start();
    since.start();
    tick.start();
    std::vector<std::unique_ptr<ClassServer>> senders;
    for (int i = 0; i < computers; ++i)
        senders.push_back(std::make_unique<ClassServer>(
            QStringLiteral("pc%1").arg(i + 1, 2, 10, QLatin1Char('0')), stores[i]->path()));
    auto allSent = [&] {
        for (const auto &sender : senders)
            if (sender->status().waiting != 0 ||
                sender->status().state != ClassServerStatus::State::Computer)
                return false;
        return true;
    };
    while (!allSent() && clock.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double seconds = double(clock.elapsed()) / 1000.0;
    tick.stop();
    const qint64 arrived = school.count(QStringLiteral("SELECT count(*) FROM answers"));
    std::printf("class server sender (%d computers x %d answers, private server, one process)\n",
                computers, perComputer);
    std::printf("  all sent          : %9.1f s, %lld answers on the server (goal: at most 30 s)\n",
                seconds, qlonglong(arrived));
    std::printf("  longest GUI stall : %9lld ms (goal: at most 16 ms)\n", qlonglong(longest));
    senders.clear();
    return arrived == qint64(computers) * perComputer ? 0 : 1;
}
