#include "Program.h"

#include "RecordingSpeaker.h"

#include "app/App.h"
#include "core/Random.h"
#include "ui/Dialogs.h"
#include "ui/MenuScreen.h"
#include "ui/Program.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {
QtMessageHandler previousHandler = nullptr;
TestProgram *running = nullptr;

// The offscreen platform reports every raise() and size hint it cannot
// honour; that noise would hide the warnings that matter.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

RecordingSpeaker &testSpeaker() {
    static RecordingSpeaker speaker;
    return speaker;
}

void initTestApplication() {
    previousHandler = qInstallMessageHandler(quietHandler);
    // Screens say nothing in tests: no speech service starts on the machine.
    Speaker::setShared(&testSpeaker());
    qApp->setQuitOnLastWindowClosed(false);
    installGermanTranslations();
    // Settings land where the program's would, inside this test's own config folder.
    nameProgram();
}

TestProgram::TestProgram(const QString &recordPath) : previousDir_(QDir::currentPath()) {
    deleteOwnerlessWindows();
    testSpeaker().reset();
    QDir::setCurrent(dir_.path());
    // Each test program keeps its learning record in its own folder.
    app_ = std::make_unique<App>(
        recordPath.isEmpty() ? dir_.filePath(QStringLiteral("lernstand.sqlite")) : recordPath);
    running = this;
    Program::setEndHandler([this] { ended = true; });
}

TestProgram::~TestProgram() {
    Program::setEndHandler(nullptr);
    deleteOwnerlessWindows();
    app_.reset();
    running = nullptr;
    QDir::setCurrent(previousDir_);
    Random::seed(1);
}

QString TestProgram::settingsPath() const {
    return dir_.filePath(QStringLiteral("ZUBZAHL.INI"));
}

void TestProgram::writeSettings(const QByteArray &bytes) {
    QFile f(settingsPath());
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QByteArray TestProgram::readSettings() const {
    QFile f(settingsPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

MenuScreen &TestProgram::start() {
    app_->start();
    return app_->menu();
}

App &testApp() {
    if (!running)
        qFatal("no test program is running");
    return running->app();
}
