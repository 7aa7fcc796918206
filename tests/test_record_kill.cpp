// A program killed with SIGKILL in the middle of practice loses no answer it
// judged: the scripted child plays the program's own App in a process of its
// own, which prints every answer as it is judged; the test kills that process
// and finds each printed answer in the record.
#include "Child.h"
#include "Players.h"
#include "Program.h"

#include "core/Random.h"
#include "store/RecordStore.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>

namespace {

const char *const playSwitch = "--play";

QByteArray line(const AnswerRecord &a) {
    return QStringList{a.exercise, a.task, a.given, QString::number(a.attempt)}
               .join(QLatin1Char('\t'))
               .toUtf8()
               .toPercentEncoding("\t") +
           '\n';
}

// The child process: plays until it is killed.
int play(const QString &recordPath) {
    initTestApplication();
    TestProgram program(recordPath);
    program.writeSettings(" 2 \r\n");
    Child child(20261209);
    registerPlayers(child);
    program.start();
    program.app().openRecord();
    // Connected after the recorder: a line is printed once the answer was written.
    QObject::connect(&program.app().session(), &Session::judged, [](const AnswerRecord &a) {
        std::fputs(line(a).constData(), stdout);
        std::fflush(stdout);
    });
    Random::seed(20261209);
    child.run(1000000);
    return 0;
}

} // namespace

class RecordKillTest : public QObject {
    Q_OBJECT
private slots:
    void killedProgramKeepsEveryJudgedAnswer();
};

void RecordKillTest::killedProgramKeepsEveryJudgedAnswer() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    QProcess player;
    // The killed program cannot clean up its folders: they go inside this test's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), dir.path());
    player.setProcessEnvironment(environment);
    player.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(playSwitch), path});
    QVERIFY(player.waitForStarted());
    QByteArray printed;
    while (printed.count('\n') < 60 && player.state() == QProcess::Running)
        if (player.waitForReadyRead(60000))
            printed += player.readAllStandardOutput();
    QCOMPARE(player.state(), QProcess::Running);
    ::kill(pid_t(player.processId()), SIGKILL);
    QVERIFY(player.waitForFinished(20000));
    QCOMPARE(player.exitStatus(), QProcess::CrashExit);
    printed += player.readAllStandardOutput();
    QList<QByteArray> lines = printed.split('\n');
    lines.removeLast(); // after the last line break: nothing, or a line cut by the kill
    QVERIFY(lines.size() >= 60);
    RecordStore store(path);
    QCOMPARE(store.open(), RecordStore::State::Open);
    const QList<AnswerRecord> kept = store.answers({});
    // The answer being written at the kill may be in the file without its line.
    QVERIFY2(kept.size() == lines.size() || kept.size() == lines.size() + 1,
             qPrintable(QStringLiteral("%1 kept, %2 judged").arg(kept.size()).arg(lines.size())));
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(line(kept[i]), lines[i] + '\n');
}

int main(int argc, char **argv) {
    if (argc == 3 && qstrcmp(argv[1], playSwitch) == 0) {
        QApplication application(argc, argv);
        return play(QString::fromLocal8Bit(argv[2]));
    }
    QApplication application(argc, argv);
    RecordKillTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_record_kill.moc"
