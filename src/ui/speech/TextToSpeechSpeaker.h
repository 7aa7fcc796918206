#pragma once

#include "Speaker.h"

#include <QLocale>
#include <QThread>

class QTextToSpeech;

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
    void start();
    void becomeUnavailable(const QString &reason);

    // Run in the engine's thread; they report back to this object's thread.
    void openEngine();
    void chooseVoice();
    void reportOpened(const QString &failure);
    void watchEngine();

    // Back in this object's thread.
    void engineOpened(const QString &failure, const QString &voiceName, const QLocale &locale);
    void engineStateChanged(int state);

    QThread thread_;
    QObject *host_ = nullptr;         // lives in thread_; the engine is its child
    QTextToSpeech *engine_ = nullptr; // used in thread_ only
    bool voiceChosen_ = false;        // in thread_ only
    Status status_ = Status::NotStarted;
    QString reason_;
    bool speaking_ = false;
    QString voiceName_;
    QLocale voiceLocale_;
};
