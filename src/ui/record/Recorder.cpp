#include "Recorder.h"

#include "core/Session.h"
#include "store/RecordStore.h"
#include "ui/Dialogs.h"

#include <utility>

namespace {

const QString title = QStringLiteral("Lernstand");

} // namespace

Recorder::Recorder(Session &session, QObject *parent) : QObject(parent) {
    connect(&session, &Session::judged, this,
            [this](const AnswerRecord &answer) { record(answer); });
    connect(&session, &Session::happened, this,
            [this](const RecordEvent &event) { record(event); });
}

void Recorder::setStore(RecordStore *store) {
    store_ = store;
    if (!store_)
        return;
    switch (store_->state()) {
    case RecordStore::State::Renewed:
        msgBox(QStringLiteral("Die Datei des Lernstands war beschädigt. Sie wurde unter dem "
                              "Namen\r%1\rbeiseitegelegt; ein neuer, leerer Lernstand beginnt.")
                   .arg(store_->movedAsidePath()),
               MsgIcon::Information, MsgButtons::Ok, title);
        break;
    case RecordStore::State::ReadOnlyNewer:
        told_ = true;
        msgBox(QStringLiteral("Der Lernstand stammt von einer neueren Programmversion. Er kann "
                              "angesehen, aber nicht weitergeschrieben werden."),
               MsgIcon::Information, MsgButtons::Ok, title);
        break;
    case RecordStore::State::Unwritable:
        failing_ = true;
        tellFailure();
        break;
    default:
        break;
    }
    // The program still works; whoever looks after the computer can fix it.
    if (!store_->notPrivate().isEmpty())
        msgBox(QStringLiteral("Der Lernstand ist womöglich auch für andere Benutzerkonten "
                              "dieses Rechners lesbar: Die Rechte von\r%1\rließen sich nicht "
                              "auf dieses Benutzerkonto beschränken.\rDu kannst weiter üben.")
                   .arg(store_->notPrivate().join(QLatin1Char('\r'))),
               MsgIcon::Information, MsgButtons::Ok, title);
    for (const AnswerRecord &answer : std::exchange(waitingAnswers_, {}))
        write(answer);
    for (const RecordEvent &event : std::exchange(waitingEvents_, {}))
        write(event);
}

void Recorder::setChild(const QString &child, const QString &childId) {
    child_ = child;
    childId_ = childId;
}

void Recorder::record(const AnswerRecord &answer) {
    AnswerRecord item = answer;
    item.child = child_;
    item.childId = childId_;
    if (store_)
        write(item);
    else
        waitingAnswers_.append(item);
}

void Recorder::record(const RecordEvent &event) {
    RecordEvent item = event;
    item.child = child_;
    item.childId = childId_;
    if (store_)
        write(item);
    else
        waitingEvents_.append(item);
}

template <class T> void Recorder::write(const T &item) {
    if (store_->state() == RecordStore::State::ReadOnlyNewer)
        return;
    if (store_->add(item)) {
        failing_ = false;
        emit recorded();
        return;
    }
    failing_ = true;
    tellFailure();
}

void Recorder::tellFailure() {
    if (told_)
        return;
    told_ = true;
    msgBox(QStringLiteral("Der Lernstand kann gerade nicht gespeichert werden: Der Ordner ist "
                          "nicht beschreibbar oder der Speicher ist voll.\rDu kannst weiter "
                          "üben; der Lernstand wird wieder gespeichert, sobald es geht."),
           MsgIcon::Information, MsgButtons::Ok, title);
}
