// Logout and the termination signals: the real program, sent SIGTERM, SIGHUP
// or SIGINT, saves its setting as "Ende" does and ends at once with status 0,
// also while a message box waits for an answer; inside a test, the same
// request ends the program from an open worksheet dialog.
#include "ModalBoxes.h"
#include "Program.h"

#include "app/EndRequests.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>

namespace {

// Whether the process has put its own handler on the signal (the SigCgt
// mask of /proc): from then on a signal is a request, not a kill.
bool catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

class TerminationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void signalEndsTheRealProgram_data();
    void signalEndsTheRealProgram();
    void requestEndsFromTheWorksheetDialog();
};

void TerminationTest::signalEndsTheRealProgram_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("saved");
    // Without a settings file the program waits in the box that says so.
    QTest::newRow("SIGTERM, box open") << int(SIGTERM) << QByteArray() << QByteArray(" 1 \r\n");
    QTest::newRow("SIGHUP") << int(SIGHUP) << QByteArray(" 4 \r\n") << QByteArray(" 4 \r\n");
    QTest::newRow("SIGINT") << int(SIGINT) << QByteArray("6") << QByteArray(" 6 \r\n");
}

void TerminationTest::signalEndsTheRealProgram() {
    QFETCH(int, signal);
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, saved);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("ZUBZAHL.INI"));
    if (!settings.isEmpty()) {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(settings);
    }
    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(ZUB_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(catches(program.processId(), signal), 20000);
    ::kill(pid_t(program.processId()), signal);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(readFile(ini), saved);
}

void TerminationTest::requestEndsFromTheWorksheetDialog() {
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    MenuScreen &menu = program.start();
    EndRequests requests;
    QObject::connect(&requests, &EndRequests::endRequested, &menu, &MenuScreen::endWithoutAsking);
    ModalBoxes boxes({"=100"});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl13"), Qt::LeftButton);
    const QWidgetList shown = QApplication::topLevelWidgets();
    QVERIFY(std::any_of(shown.cbegin(), shown.cend(), [](QWidget *w) {
        return w->isVisible() && w->objectName() == QLatin1String("Form11");
    }));
    QFile::remove(program.settingsPath());
    std::raise(SIGTERM);
    QTRY_VERIFY(program.ended);
    QCOMPARE(program.readSettings(), QByteArray(" 2 \r\n"));
    QCOMPARE(boxes.unexpected, 0);
}

QTEST_MAIN(TerminationTest)
#include "test_termination.moc"
