// The real speech engine through a speech-dispatcher of the test's own: its
// socket, configuration and logs in a temporary folder, eSpeak NG's German
// voice playing into ALSA's null device (no sound card needed), stopped by its
// PID at the end. Skips, saying why, without a speech service or German voice.
#include "ui/speech/TextToSpeechSpeaker.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
// Generous: the first connection starts the server, seconds on a busy machine.
constexpr int engineTimeout = 60000;

bool alive(const QString &pid) { // a zombie has ended
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
}
} // namespace

class SpeechEngineTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    void write(const QString &name, const QByteArray &bytes) {
        QFile f(dir_.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

private slots:
    // Where libspeechd looks for its server, and starts one: all in our folder.
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("config/speech-dispatcher")));
        write(QStringLiteral("config/speech-dispatcher/speechd.conf"),
              "AudioOutputMethod \"alsa\"\nDefaultModule espeak-ng\nDefaultLanguage \"de\"\n"
              "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n");
        write(QStringLiteral("asound.conf"), "pcm.!default { type null }\n");
        QDir(dir_.path()).mkdir(QStringLiteral("run"));
        qputenv("XDG_RUNTIME_DIR", dir_.filePath(QStringLiteral("run")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_CACHE_HOME", dir_.filePath(QStringLiteral("cache")).toLocal8Bit());
        qputenv("ALSA_CONFIG_PATH", dir_.filePath(QStringLiteral("asound.conf")).toLocal8Bit());
        qunsetenv("SPEECHD_ADDRESS");
    }

    // The server started for our folder (its command line names it), never
    // another process that reuses the PID.
    void cleanupTestCase() {
        QFile pidFile(
            dir_.filePath(QStringLiteral("run/speech-dispatcher/pid/speech-dispatcher.pid")));
        const QString pid = pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed() : "";
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (pid.toInt() <= 0 || !cmdline.open(QIODevice::ReadOnly) ||
            !cmdline.readAll().contains(dir_.path().toLocal8Bit()))
            return;
        ::kill(pid.toInt(), SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(!alive(pid), 10000);
    }

    void germanVoiceSpeaksAndIsReadyAgain() {
        TextToSpeechSpeaker speaker;
        QSignalSpy availability(&speaker, &Speaker::availabilityChanged);
        QCOMPARE(speaker.status(), TextToSpeechSpeaker::Status::NotStarted);
        QVERIFY(!speaker.available()); // starts the engine, does not wait for it
        QCOMPARE(speaker.status(), TextToSpeechSpeaker::Status::Starting);
        QTRY_VERIFY_WITH_TIMEOUT(!availability.isEmpty(), engineTimeout);
        if (!speaker.available())
            QSKIP(qPrintable(speaker.unavailableReason()));
        qInfo("voice: %s (%s)", qPrintable(speaker.voiceName()),
              qPrintable(speaker.voiceLocale().name()));
        QCOMPARE(speaker.voiceLocale().language(), QLocale::German);

        QSignalSpy speaking(&speaker, &TextToSpeechSpeaker::speakingChanged);
        speaker.say(QStringLiteral("dreihundertzwölf"));
        QTRY_VERIFY_WITH_TIMEOUT(speaking.size() >= 2 && !speaker.isSpeaking(), engineTimeout);
        QCOMPARE(speaking.first().first().toBool(), true);
        QVERIFY(speaker.available());
        QCOMPARE(availability.size(), 1);
    }
};

QTEST_MAIN(SpeechEngineTest)
#include "test_speech_engine.moc"
