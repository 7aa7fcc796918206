// The real speech engine, through a speech-dispatcher of the test's own: its
// socket, configuration and logs live in a temporary folder, it speaks German
// with eSpeak NG into ALSA's null device (no sound, no sound card needed), and
// it is stopped by its PID afterwards. Skips, saying why, where the machine
// has no speech service or no German voice.
#include "ui/speech/TextToSpeechSpeaker.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/types.h>

namespace {
// Generous: the first connection starts the server (seconds on a busy machine).
constexpr int engineTimeout = 60000;
const QString word = QStringLiteral("dreihundertzwölf");

bool running(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int state = line.lastIndexOf(')') + 2; // the field after the command name
    return state < line.size() && line.at(state) != 'Z';
}

// The environment libspeechd reads to find (and start) its server, pointed
// into a temporary folder; put back, and the server stopped, on destruction.
class PrivateSpeechService {
public:
    explicit PrivateSpeechService(const QByteArray &alsaConfig) {
        if (QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty())
            missing = QStringLiteral("speech-dispatcher is not installed");
        else if (!QFile::exists(QStringLiteral("/usr/lib/speech-dispatcher-modules/sd_espeak-ng")))
            missing = QStringLiteral("speech-dispatcher-espeak-ng is not installed");
        if (!missing.isEmpty() || !dir_.isValid())
            return;
        QDir root(dir_.path());
        root.mkpath(QStringLiteral("run"));
        root.mkpath(QStringLiteral("config/speech-dispatcher"));
        write(QStringLiteral("config/speech-dispatcher/speechd.conf"),
              "AudioOutputMethod \"alsa\"\n"
              "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
              "DefaultModule espeak-ng\n"
              "DefaultLanguage \"de\"\n");
        write(QStringLiteral("asound.conf"), alsaConfig);
        set("XDG_RUNTIME_DIR", root.filePath(QStringLiteral("run")));
        set("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")));
        set("XDG_CACHE_HOME", root.filePath(QStringLiteral("cache")));
        set("ALSA_CONFIG_PATH", root.filePath(QStringLiteral("asound.conf")));
        set("SPEECHD_ADDRESS", QString());
    }

    ~PrivateSpeechService() {
        stopServer();
        for (auto it = saved_.crbegin(); it != saved_.crend(); ++it) {
            if (it->second.isNull())
                qunsetenv(it->first);
            else
                qputenv(it->first, it->second);
        }
    }

    QString missing;

private:
    void write(const QString &name, const QByteArray &bytes) {
        QFile f(QDir(dir_.path()).filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            missing = QStringLiteral("cannot write ") + f.fileName();
    }

    void set(const char *name, const QString &value) {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }

    // The server started for this folder (its command line names our socket),
    // never another one that happens to reuse the PID.
    void stopServer() {
        QFile pidFile(
            dir_.filePath(QStringLiteral("run/speech-dispatcher/pid/speech-dispatcher.pid")));
        if (!pidFile.open(QIODevice::ReadOnly))
            return;
        const pid_t pid = pid_t(pidFile.readAll().trimmed().toLong());
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (pid <= 0 || !cmdline.open(QIODevice::ReadOnly) ||
            !cmdline.readAll().contains(dir_.path().toLocal8Bit()))
            return;
        ::kill(pid, SIGTERM);
        QDeadlineTimer deadline(10000);
        while (running(pid) && !deadline.hasExpired())
            QTest::qWait(20);
        if (running(pid)) {
            qWarning("speech-dispatcher %d did not end on SIGTERM", int(pid));
            ::kill(pid, SIGKILL);
        }
    }

    QTemporaryDir dir_;
    std::vector<std::pair<const char *, QByteArray>> saved_;
};
} // namespace

class SpeechEngineTest : public QObject {
    Q_OBJECT

private slots:
    void germanVoiceSpeaksAndIsReadyAgain() {
        PrivateSpeechService service("pcm.!default { type null }\n");
        if (!service.missing.isEmpty())
            QSKIP(qPrintable(service.missing));
        TextToSpeechSpeaker speaker;
        QSignalSpy availability(&speaker, &Speaker::availabilityChanged);
        QCOMPARE(speaker.status(), TextToSpeechSpeaker::Status::NotStarted);
        // The first question starts the engine without waiting for it.
        QVERIFY(!speaker.available());
        QCOMPARE(speaker.status(), TextToSpeechSpeaker::Status::Starting);
        QVERIFY(!speaker.unavailableReason().isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(!availability.isEmpty(), engineTimeout);
        if (!speaker.available())
            QSKIP(qPrintable(speaker.unavailableReason()));
        qInfo("voice: %s (%s)", qPrintable(speaker.voiceName()),
              qPrintable(speaker.voiceLocale().name()));
        QCOMPARE(speaker.voiceLocale().language(), QLocale::German);
        QCOMPARE(speaker.unavailableReason(), QString());

        QSignalSpy speaking(&speaker, &TextToSpeechSpeaker::speakingChanged);
        speaker.say(word);
        QTRY_VERIFY_WITH_TIMEOUT(speaking.size() >= 2 && !speaker.isSpeaking(), engineTimeout);
        QCOMPARE(speaking.first().first().toBool(), true);

        // Asked again at once: the word starts anew and ends as well.
        speaking.clear();
        speaker.say(word);
        speaker.say(word);
        QTRY_VERIFY_WITH_TIMEOUT(speaking.size() >= 2 && !speaker.isSpeaking(), engineTimeout);
        QVERIFY(speaker.available());
        QCOMPARE(availability.size(), 1);
    }

    // What many machines without a sound device show: the server cannot open
    // its audio output and never comes up.
    void noSoundOutputSaysWhy() {
        PrivateSpeechService service("pcm.!default { type hw card 99 }\n");
        if (!service.missing.isEmpty())
            QSKIP(qPrintable(service.missing));
        TextToSpeechSpeaker speaker;
        QSignalSpy availability(&speaker, &Speaker::availabilityChanged);
        QVERIFY(!speaker.available());
        QTRY_VERIFY_WITH_TIMEOUT(!availability.isEmpty(), engineTimeout);
        QVERIFY(!speaker.available());
        QCOMPARE(speaker.status(), TextToSpeechSpeaker::Status::Unavailable);
        QVERIFY2(speaker.unavailableReason().startsWith(QStringLiteral("Vorlesen nicht möglich")),
                 qPrintable(speaker.unavailableReason()));
        speaker.say(word); // ignored, no crash, no wait
        QVERIFY(!speaker.isSpeaking());
    }
};

QTEST_MAIN(SpeechEngineTest)
#include "test_speech_engine.moc"
