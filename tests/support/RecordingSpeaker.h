#pragma once

#include "ui/speech/Speaker.h"

#include <QStringList>

// Says nothing and records what it is asked, in order: "say WORD", "restart
// WORD" (asked while still speaking), "stop". A word is being spoken until
// finishSpeaking() or stop().
class RecordingSpeaker : public Speaker {
public:
    QStringList calls;
    mutable int questions = 0; // how often available() was asked

    void say(const QString &word) override {
        calls << (speaking_ ? QStringLiteral("restart ") : QStringLiteral("say ")) + word;
        speaking_ = true;
    }
    void stop() override {
        calls << QStringLiteral("stop");
        speaking_ = false;
    }
    bool available() const override {
        ++questions;
        return reason_.isEmpty();
    }
    QString unavailableReason() const override { return reason_; }

    void finishSpeaking() { speaking_ = false; }
    void setUnavailable(const QString &reason) { // empty: available
        reason_ = reason;
        emit availabilityChanged();
    }
    void reset() {
        calls.clear();
        questions = 0;
        speaking_ = false;
        setUnavailable(QString());
    }

private:
    bool speaking_ = false;
    QString reason_;
};

// The speaker of every test program's screens (installed by initTestApplication()).
RecordingSpeaker &testSpeaker();
