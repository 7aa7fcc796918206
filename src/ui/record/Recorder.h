#pragma once

#include "core/record/AnswerRecord.h"

#include <QList>
#include <QObject>
#include <QString>

class RecordStore;
class Session;

// Writes what the session reports into the learning record, for the child
// now practising. A record that cannot be written, or that other accounts may
// read, is told once per run in a German box; practice goes on and writing
// resumes when it works again.
class Recorder : public QObject {
    Q_OBJECT
public:
    explicit Recorder(Session &session, QObject *parent = nullptr);

    // The store to write into. Until it is set, what comes is kept and then
    // written into it, so the answers of the first moments are not lost.
    void setStore(RecordStore *store);
    RecordStore *store() const { return store_; }

    // "" = the login account's own record; childId: the class server's id
    // of the child ("" = a name known only on this computer).
    void setChild(const QString &child, const QString &childId = {});
    QString child() const { return child_; }
    QString childId() const { return childId_; }

    // Whether the last write failed.
    bool failing() const { return failing_; }

    void record(const AnswerRecord &answer);
    void record(const RecordEvent &event);

signals:
    // An answer or event was written.
    void recorded();

private:
    template <class T> void write(const T &item);
    void tellFailure();

    RecordStore *store_ = nullptr;
    QList<AnswerRecord> waitingAnswers_;
    QList<RecordEvent> waitingEvents_;
    QString child_;
    QString childId_;
    bool failing_ = false;
    bool told_ = false;
};
