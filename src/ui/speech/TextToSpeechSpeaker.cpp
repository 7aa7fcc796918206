#include "TextToSpeechSpeaker.h"

#include <algorithm>

#include <QMutex>
#include <QStandardPaths>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

namespace {
const char *const startingText = "Vorlesen wird vorbereitet …";
const char *const noEngineText = "Vorlesen nicht möglich: keine Sprachausgabe gefunden";
const char *const noSoundText = "Vorlesen nicht möglich: die Sprachausgabe startet nicht "
                                "(kein Tonausgang?)";
const char *const noGermanVoiceText = "Vorlesen nicht möglich: keine deutsche Stimme";
const char *const failedText = "Vorlesen nicht möglich: die Sprachausgabe ist ausgefallen";

// Why the engine could not connect. The speech-dispatcher engine starts its
// server itself; when the server is installed, what stops it on a desktop is
// almost always a missing sound device.
QString connectionFailure(const QString &engineName) {
    if (engineName == QLatin1String("speechd") &&
        QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty())
        return QString::fromUtf8(noEngineText);
    return QString::fromUtf8(noSoundText);
}

bool isGerman(const QLocale &locale) {
    return locale.language() == QLocale::German;
}
} // namespace

// The engine's side, in the engine's thread. It reports to its speaker only
// while that exists: a speaker that is gone may have left it behind, stuck in
// a call to a speech service that never answers.
class TextToSpeechSpeaker::Host : public QObject {
public:
    explicit Host(TextToSpeechSpeaker *owner) : owner_(owner) {}

    void detach() {
        QMutexLocker lock(&ownerMutex_);
        owner_ = nullptr;
    }

    void open() {
        if (QTextToSpeech::availableEngines().isEmpty()) {
            reportOpened(QString::fromUtf8(noEngineText));
            return;
        }
        engine_ = new QTextToSpeech(this);
        connect(engine_, &QTextToSpeech::stateChanged, this, &Host::stateChanged);
        if (engine_->state() == QTextToSpeech::Ready)
            chooseVoice();
        else if (engine_->state() == QTextToSpeech::Error)
            reportOpened(connectionFailure(engine_->engine()));
        // else an engine that gets ready later says so through stateChanged
    }

    void say(const QString &word) {
        engine_->stop();
        engine_->say(word);
    }
    void stop() { engine_->stop(); }

private:
    void chooseVoice() {
        voiceChosen_ = true;
        const QLocale germany(QLocale::German, QLocale::Germany);
        const QList<QLocale> locales = engine_->availableLocales();
        const auto german = locales.contains(germany)
                                ? std::find(locales.begin(), locales.end(), germany)
                                : std::find_if(locales.begin(), locales.end(), isGerman);
        if (german == locales.end()) {
            reportOpened(QString::fromUtf8(noGermanVoiceText));
            return;
        }
        engine_->setLocale(*german);
        if (!isGerman(engine_->voice().locale())) {
            const QList<QVoice> voices = engine_->availableVoices();
            const auto voice = std::find_if(voices.begin(), voices.end(),
                                            [](const QVoice &v) { return isGerman(v.locale()); });
            if (voice == voices.end()) {
                reportOpened(QString::fromUtf8(noGermanVoiceText));
                return;
            }
            engine_->setVoice(*voice);
        }
        engine_->setRate(childRate);
        reportOpened(QString());
    }

    void stateChanged(QTextToSpeech::State state) {
        if (voiceChosen_)
            post([state](TextToSpeechSpeaker *owner) { owner->engineStateChanged(state); });
        else if (state == QTextToSpeech::Ready)
            chooseVoice();
        else if (state == QTextToSpeech::Error)
            reportOpened(connectionFailure(engine_->engine()));
    }

    void reportOpened(const QString &failure) {
        const QVoice voice = failure.isEmpty() ? engine_->voice() : QVoice();
        post([failure, name = voice.name(), locale = voice.locale()](TextToSpeechSpeaker *owner) {
            owner->engineOpened(failure, name, locale);
        });
    }

    // Runs f with the speaker in the speaker's thread; a call still queued
    // when the speaker is deleted is dropped with it.
    template <class F> void post(F f) {
        QMutexLocker lock(&ownerMutex_);
        if (owner_)
            QMetaObject::invokeMethod(
                owner_, [owner = owner_, f] { f(owner); }, Qt::QueuedConnection);
    }

    QMutex ownerMutex_;
    TextToSpeechSpeaker *owner_;
    QTextToSpeech *engine_ = nullptr;
    bool voiceChosen_ = false;
};

TextToSpeechSpeaker::TextToSpeechSpeaker(QObject *parent) : Speaker(parent) {}

TextToSpeechSpeaker::~TextToSpeechSpeaker() {
    if (!thread_)
        return;
    host_->detach();
    thread_->quit(); // the host and its engine are deleted as the thread ends
    // An engine stuck in a call cannot be interrupted: its thread is then left
    // to end with the program rather than holding the program's end up.
    if (thread_->wait(1000))
        delete thread_;
}

bool TextToSpeechSpeaker::available() const {
    const_cast<TextToSpeechSpeaker *>(this)->start();
    return status_ == Status::Ready;
}

QString TextToSpeechSpeaker::unavailableReason() const {
    return status_ == Status::Ready ? QString() : reason_;
}

void TextToSpeechSpeaker::say(const QString &word) {
    if (!word.isEmpty() && available())
        QMetaObject::invokeMethod(
            host_, [host = host_, word] { host->say(word); }, Qt::QueuedConnection);
}

void TextToSpeechSpeaker::stop() {
    if (status_ == Status::Ready)
        QMetaObject::invokeMethod(
            host_, [host = host_] { host->stop(); }, Qt::QueuedConnection);
}

void TextToSpeechSpeaker::start() {
    if (status_ != Status::NotStarted)
        return;
    status_ = Status::Starting;
    reason_ = QString::fromUtf8(startingText);
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("speech"));
    host_ = new Host(this);
    host_->moveToThread(thread_);
    connect(thread_, &QThread::finished, host_, &QObject::deleteLater);
    thread_->start();
    QMetaObject::invokeMethod(
        host_, [host = host_] { host->open(); }, Qt::QueuedConnection);
}

void TextToSpeechSpeaker::engineOpened(const QString &failure, const QString &voiceName,
                                       const QLocale &locale) {
    if (status_ != Status::Starting)
        return;
    if (!failure.isEmpty()) {
        becomeUnavailable(failure);
        return;
    }
    status_ = Status::Ready;
    reason_.clear();
    voiceName_ = voiceName;
    voiceLocale_ = locale;
    emit availabilityChanged();
}

void TextToSpeechSpeaker::engineStateChanged(int state) {
    if (status_ != Status::Ready)
        return;
    if (state == QTextToSpeech::Error) {
        becomeUnavailable(QString::fromUtf8(failedText));
        return;
    }
    const bool speaking = state == QTextToSpeech::Speaking;
    if (speaking != speaking_) {
        speaking_ = speaking;
        emit speakingChanged(speaking);
    }
}

void TextToSpeechSpeaker::becomeUnavailable(const QString &reason) {
    status_ = Status::Unavailable;
    reason_ = reason;
    if (speaking_) {
        speaking_ = false;
        emit speakingChanged(false);
    }
    emit availabilityChanged();
}
