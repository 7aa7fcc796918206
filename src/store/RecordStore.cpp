#include "RecordStore.h"

#include <QStandardPaths>

RecordStore::RecordStore(const QString &path) : path_(path) {}

RecordStore::~RecordStore() = default;

QString RecordStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/lernstand.sqlite");
}

RecordStore::State RecordStore::open() {
    return state_;
}

bool RecordStore::add(const AnswerRecord &) {
    return false;
}

bool RecordStore::add(const RecordEvent &) {
    return false;
}

QStringList RecordStore::children() const {
    return {};
}

bool RecordStore::addChild(const QString &) {
    return false;
}

bool RecordStore::renameChild(const QString &, const QString &) {
    return false;
}

bool RecordStore::removeChild(const QString &) {
    return false;
}

QList<AnswerRecord> RecordStore::answers(const QString &, const QDateTime &) const {
    return {};
}

QList<RecordEvent> RecordStore::events(const QString &, const QDateTime &) const {
    return {};
}

bool RecordStore::removeAnswers(const QString &) {
    return false;
}

bool RecordStore::removeAll() {
    return false;
}
