#include "ReadAloudButton.h"

#include "Speaker.h"

#include <QIcon>
#include <QLabel>
#include <QShortcut>

ReadAloudButton::ReadAloudButton(QWidget *parent, Speaker *speaker)
    : QPushButton(QStringLiteral("Vorlesen"), parent),
      speaker_(speaker ? speaker : &Speaker::shared()) {
    setObjectName(QStringLiteral("BefehlVorlesen"));
    // The desktop's loudspeaker icon; where the theme has none, the text alone.
    setIcon(QIcon::fromTheme(QStringLiteral("audio-volume-high"),
                             QIcon::fromTheme(QStringLiteral("media-playback-start"))));
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false); // until the speaker has been asked, on the first showing
    connect(this, &QPushButton::clicked, this, &ReadAloudButton::readAloud);
    connect(speaker_, &Speaker::availabilityChanged, this, &ReadAloudButton::showAvailability);
    // Active while the button's window is active and the button usable.
    auto *shortcut = new QShortcut(key(), this);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, &ReadAloudButton::readAloud);
}

void ReadAloudButton::setWord(const QString &word) {
    word_ = word;
    wordLabel_ = nullptr;
}

void ReadAloudButton::setWordLabel(const QLabel *label) {
    wordLabel_ = label;
    word_.clear();
}

QString ReadAloudButton::word() const {
    return (wordLabel_ ? wordLabel_->text() : word_).trimmed();
}

void ReadAloudButton::readAloud() {
    const QString text = word();
    if (!text.isEmpty() && speaker_ && speaker_->available())
        speaker_->say(text);
}

void ReadAloudButton::stopReading() {
    if (speaker_)
        speaker_->stop();
}

void ReadAloudButton::showEvent(QShowEvent *event) {
    showAvailability();
    QPushButton::showEvent(event);
}

void ReadAloudButton::hideEvent(QHideEvent *event) {
    stopReading();
    QPushButton::hideEvent(event);
}

void ReadAloudButton::showAvailability() {
    const bool usable = speaker_ && speaker_->available();
    setEnabled(usable);
    setToolTip(usable ? QStringLiteral("Liest das Zahlwort vor (F2)")
                      : (speaker_ ? speaker_->unavailableReason() : QString()));
}
