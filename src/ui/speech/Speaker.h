#pragma once

#include <QObject>
#include <QString>

// What the screens speak through. The program uses one speech engine for all
// screens (shared()); tests install a speaker of their own that only records.
class Speaker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Says the word. A word still being said stops first, so asking again
    // starts the word anew instead of queueing it.
    virtual void say(const QString &word) = 0;
    virtual void stop() = 0;

    // Whether words can be said now. The first question is the first use: a
    // speaker may start its engine then and answer no until it is ready,
    // telling the change by availabilityChanged().
    virtual bool available() const = 0;
    // Why not, in German, for a tooltip (empty when available).
    virtual QString unavailableReason() const = 0;

    // The speaker the screens use: the one installed, or else the program's
    // text-to-speech speaker (made on the first call, its engine later still).
    static Speaker &shared();
    // Installs the shared speaker (the caller keeps ownership); nullptr goes
    // back to the program's own.
    static void setShared(Speaker *speaker);

signals:
    void availabilityChanged();
};
