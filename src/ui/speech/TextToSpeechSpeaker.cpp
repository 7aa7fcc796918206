#include "TextToSpeechSpeaker.h"

#include <algorithm>

#include <QStandardPaths>
#include <QTextToSpeech>
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

TextToSpeechSpeaker::TextToSpeechSpeaker(QObject *parent) : Speaker(parent) {
    thread_.setObjectName(QStringLiteral("speech"));
}

TextToSpeechSpeaker::~TextToSpeechSpeaker() {
    // The engine is deleted in its own thread when that ends; an engine still
    // connecting cannot be interrupted and is waited for.
    thread_.quit();
    thread_.wait();
}

bool TextToSpeechSpeaker::available() const {
    const_cast<TextToSpeechSpeaker *>(this)->start();
    return status_ == Status::Ready;
}

QString TextToSpeechSpeaker::unavailableReason() const {
    return status_ == Status::Ready ? QString() : reason_;
}

void TextToSpeechSpeaker::say(const QString &word) {
    if (word.isEmpty() || !available())
        return;
    QMetaObject::invokeMethod(
        host_,
        [this, word] {
            engine_->stop();
            engine_->say(word);
        },
        Qt::QueuedConnection);
}

void TextToSpeechSpeaker::stop() {
    if (status_ == Status::Ready)
        QMetaObject::invokeMethod(
            host_, [this] { engine_->stop(); }, Qt::QueuedConnection);
}

void TextToSpeechSpeaker::start() {
    if (status_ != Status::NotStarted)
        return;
    status_ = Status::Starting;
    reason_ = QString::fromUtf8(startingText);
    host_ = new QObject;
    host_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, host_, &QObject::deleteLater);
    thread_.start();
    QMetaObject::invokeMethod(
        host_, [this] { openEngine(); }, Qt::QueuedConnection);
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

void TextToSpeechSpeaker::openEngine() {
    if (QTextToSpeech::availableEngines().isEmpty()) {
        reportOpened(QString::fromUtf8(noEngineText));
        return;
    }
    engine_ = new QTextToSpeech(host_);
    watchEngine();
    switch (engine_->state()) {
    case QTextToSpeech::Ready:
        chooseVoice();
        break;
    case QTextToSpeech::Error:
        reportOpened(connectionFailure(engine_->engine()));
        break;
    default: // an engine that gets ready later says so through stateChanged
        break;
    }
}

void TextToSpeechSpeaker::chooseVoice() {
    voiceChosen_ = true;
    const QLocale germany(QLocale::German, QLocale::Germany);
    const QList<QLocale> locales = engine_->availableLocales();
    QLocale locale = germany;
    if (!locales.contains(germany)) {
        const auto german = std::find_if(locales.begin(), locales.end(), isGerman);
        if (german == locales.end()) {
            reportOpened(QString::fromUtf8(noGermanVoiceText));
            return;
        }
        locale = *german;
    }
    engine_->setLocale(locale);
    if (!isGerman(engine_->voice().locale())) {
        const QList<QVoice> voices = engine_->availableVoices();
        const auto german = std::find_if(voices.begin(), voices.end(),
                                         [](const QVoice &v) { return isGerman(v.locale()); });
        if (german == voices.end()) {
            reportOpened(QString::fromUtf8(noGermanVoiceText));
            return;
        }
        engine_->setVoice(*german);
    }
    engine_->setRate(childRate);
    reportOpened(QString());
}

void TextToSpeechSpeaker::reportOpened(const QString &failure) {
    const QVoice voice = engine_ ? engine_->voice() : QVoice();
    const QString name = failure.isEmpty() ? voice.name() : QString();
    const QLocale locale = failure.isEmpty() ? voice.locale() : QLocale::c();
    QMetaObject::invokeMethod(
        this, [this, failure, name, locale] { engineOpened(failure, name, locale); },
        Qt::QueuedConnection);
}

void TextToSpeechSpeaker::watchEngine() {
    connect(engine_, &QTextToSpeech::stateChanged, host_, [this](QTextToSpeech::State state) {
        if (!voiceChosen_) {
            if (state == QTextToSpeech::Ready)
                chooseVoice();
            else if (state == QTextToSpeech::Error)
                reportOpened(connectionFailure(engine_->engine()));
            return;
        }
        QMetaObject::invokeMethod(
            this, [this, state] { engineStateChanged(state); }, Qt::QueuedConnection);
    });
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
