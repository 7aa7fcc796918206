#pragma once

#include "ui/speech/Speaker.h"

#include <QStringList>

// A speaker that says nothing and records what it was asked, in order:
// "say WORD", "restart WORD" (asked while still speaking), "stop". A word
// counts as being spoken until finishSpeaking() or stop().
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
    // An empty reason makes it available.
    void setUnavailable(const QString &reason) {
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

// The speaker every test program's screens use (installed by initTestApplication()).
RecordingSpeaker &testSpeaker();
