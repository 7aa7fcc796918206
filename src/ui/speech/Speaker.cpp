#include "Speaker.h"

#include "TextToSpeechSpeaker.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
QPointer<Speaker> installedSpeaker;
Speaker *programSpeaker = nullptr;
} // namespace

Speaker &Speaker::shared() {
    if (installedSpeaker)
        return *installedSpeaker;
    if (!programSpeaker) {
        programSpeaker = new TextToSpeechSpeaker;
        // Deleted while the application still exists: its engine thread ends first.
        qAddPostRoutine([] {
            delete programSpeaker;
            programSpeaker = nullptr;
        });
    }
    return *programSpeaker;
}

void Speaker::setShared(Speaker *speaker) {
    installedSpeaker = speaker;
}
