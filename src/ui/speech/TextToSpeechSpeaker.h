#pragma once

#include "Speaker.h"

#include <QLocale>

class QThread;

// Speech through Qt's text-to-speech engine, in a German voice and a little
// slower than usual, for children. Connecting may start the speech service
// and take seconds, so the engine lives in a thread of its own and reports
// back; the screens never wait for it. Nothing starts before the first
// question or word.
class TextToSpeechSpeaker : public Speaker {
    Q_OBJECT
public:
    enum class Status { NotStarted, Starting, Ready, Unavailable };

    // Slightly slower than the engine's normal speed (0 is normal, -1 slowest).
    static constexpr double childRate = -0.25;

    explicit TextToSpeechSpeaker(QObject *parent = nullptr);
    ~TextToSpeechSpeaker() override;

    void say(const QString &word) override;
    void stop() override;
    // Asking starts the engine (hence const only from outside); no until it is ready.
    bool available() const override;
    QString unavailableReason() const override;

    Status status() const { return status_; }
    bool isSpeaking() const { return speaking_; }
    // The voice chosen once ready.
    QString voiceName() const { return voiceName_; }
    QLocale voiceLocale() const { return voiceLocale_; }

signals:
    void speakingChanged(bool speaking);

private:
    class Host;

    void start();
    void engineOpened(const QString &failure, const QString &voiceName, const QLocale &locale);
    void engineStateChanged(int state);
    void becomeUnavailable(const QString &reason);

    QThread *thread_ = nullptr;
    Host *host_ = nullptr; // lives in thread_ and holds the engine
    Status status_ = Status::NotStarted;
    QString reason_;
    bool speaking_ = false;
    QString voiceName_;
    QLocale voiceLocale_;
};
